#include "admin/ui/UnavailableScreen.h"

#include "platform/ui/TableView.h"

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
    // An empty table with its own text: the same look as a list with nothing in it.
    auto* table = new TableView(this);
    table->setEmptyText(message());
    table->emptyLabel()->setObjectName(QStringLiteral("unavailableMessage"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
}

}  // namespace korvel
