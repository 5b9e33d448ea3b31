#include "admin/ui/AboutKorvelViewController.h"

#include "admin/MenuEntries.h"
#include "platform/Device.h"
#include "platform/ui/Images.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Theme.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace korvel {

AboutKorvelViewController::AboutKorvelViewController(QWidget* parent)
    : Screen(parent)
{
    //% "About"
    setTitle(qtTrId("ADMIN_ABOUT"));
    const QStringList shown = lines();
    // The product's mark over a group of facts an administrator reads out to support.
    auto* table = new TableView(this);
    TableSection device;
    //% "Application"
    //% "Version"
    //% "Device"
    const QStringList names{qtTrId("ADMIN_ABOUT_APPLICATION"), qtTrId("ADMIN_ABOUT_VERSION"), qtTrId("TEXT_DEVICE"),
                            //% "System"
                            qtTrId("TEXT_SYSTEM")};
    for (int i = 0; i < shown.size() && i < names.size(); ++i) {
        TableRow row;
        row.title = names.at(i);
        row.detail = shown.at(i);
        row.detailStyle = DetailStyle::Value;
        device.rows.append(row);
    }
    table->setSections({device});
    auto* mark = new QLabel(this);
    mark->setAlignment(Qt::AlignCenter);
    mark->setPixmap(Images::pixmap(QStringLiteral("korvel_start"), QSize(96, 96), devicePixelRatioF()));
    mark->setContentsMargins(0, 2 * Theme::margin, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mark);
    layout->addWidget(table, 1);
}

void AboutKorvelViewController::paintEvent(QPaintEvent*)
{
    // The mark sits on the same ground as the table under it.
    QPainter(this).fillRect(rect(), Theme::current().groupedBackground);
}

QStringList AboutKorvelViewController::lines() const
{
    const Device& device = Device::current();
    return {QStringLiteral("Korvel"), appNameAndVersionNumberDisplayString(), device.model(),
            device.systemName() + QLatin1Char(' ') + device.systemVersion()};
}

}  // namespace korvel
