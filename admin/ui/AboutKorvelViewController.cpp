#include "admin/ui/AboutKorvelViewController.h"

#include "admin/MenuEntries.h"
#include "platform/Device.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

AboutKorvelViewController::AboutKorvelViewController(QWidget* parent)
    : Screen(parent)
{
    setTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    for (const QString& line : lines()) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addStretch();
}

QStringList AboutKorvelViewController::lines() const
{
    const Device& device = Device::current();
    return {QStringLiteral("Korvel"), appNameAndVersionNumberDisplayString(), device.model(),
            device.systemName() + QLatin1Char(' ') + device.systemVersion()};
}

}  // namespace korvel
