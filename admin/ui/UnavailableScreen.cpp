#include "admin/ui/UnavailableScreen.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

QString UnavailableScreen::message()
{
    return QStringLiteral("This part of the settings is not available in this version of Korvel.");
}

UnavailableScreen::UnavailableScreen(const QString& title, int menuId, QWidget* parent)
    : Screen(parent), m_menuId(menuId)
{
    setTitle(title);
    auto* label = new QLabel(message(), this);
    label->setObjectName(QStringLiteral("unavailableMessage"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

}  // namespace korvel
