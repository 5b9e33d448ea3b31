#include "admin/ui/KVPowerSaverSettingsViewController.h"

#include "admin/PowerSaverSettings.h"
#include "browser/PowerSaver.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace korvel {

namespace {

enum Row { AlwaysRow = 1, ScheduleRow, StartRow, EndRow, FirstDayRow = 10 };

constexpr std::array<const char*, 7> dayKeys{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QString dayTitle(int day)
{
    switch (day) {
    case 0:
        //% "Monday"
        return qtTrId("TEXT_DAY_MONDAY");
    case 1:
        //% "Tuesday"
        return qtTrId("TEXT_DAY_TUESDAY");
    case 2:
        //% "Wednesday"
        return qtTrId("TEXT_DAY_WEDNESDAY");
    case 3:
        //% "Thursday"
        return qtTrId("TEXT_DAY_THURSDAY");
    case 4:
        //% "Friday"
        return qtTrId("TEXT_DAY_FRIDAY");
    case 5:
        //% "Saturday"
        return qtTrId("TEXT_DAY_SATURDAY");
    default:
        //% "Sunday"
        return qtTrId("TEXT_DAY_SUNDAY");
    }
}

}  // namespace

KVPowerSaverSettingsViewController::KVPowerSaverSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Power Saver Mode"
    setTitle(qtTrId("SETTINGS_SCREEN_POWER_SAVER"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id == AlwaysRow)
            PowerSaverSettings::setAlwaysSavePower(m_edited, on);
        else if (id == ScheduleRow)
            PowerSaverSettings::setScheduleSuspend(m_edited, on);
        else
            return;
        // The other switch moves: rebuilt after the toggle has finished.
        QMetaObject::invokeMethod(this, &KVPowerSaverSettingsViewController::reload, Qt::QueuedConnection);
    });
    connect(m_table, &TableView::sliderChanged, this, [this](int id, double value) {
        if (id != StartRow && id != EndRow)
            return;
        const QTime time = PowerSaverSettings::timeOfStep(qRound(value));
        (id == StartRow ? m_edited.startTime : m_edited.endTime) = time;
        if (TableCell* cell = m_table->cellWithId(id); cell && cell->detailLabel())
            cell->detailLabel()->setText(PowerSaverSettings::timeText(time));
    });
    connect(m_table, &TableView::rowSelected, this, [this](int section, int row, int id) {
        if (id < FirstDayRow || id >= FirstDayRow + 7)
            return;
        const QString key = QString::fromLatin1(dayKeys[size_t(id - FirstDayRow)]);
        QVariantMap days = m_edited.daysSelected.value_or(QVariantMap());
        const bool on = !days.value(key).toBool();
        days.insert(key, on);
        m_edited.daysSelected = days;
        m_table->setRowChecked(section, row, on);
    });
}

void KVPowerSaverSettingsViewController::viewDidLoad()
{
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
}

void KVPowerSaverSettingsViewController::viewWillAppear(bool animated)
{
    Screen::viewWillAppear(animated);
    reload();
}

void KVPowerSaverSettingsViewController::reload()
{
    TableRow always;
    always.id = AlwaysRow;
    always.title = shownTitle("AlwaysSavePower");
    always.detail = shownDetail("AlwaysSavePower");
    always.accessory = Accessory::Switch;
    always.checked = m_edited.alwaysSavePower;
    TableRow schedule;
    schedule.id = ScheduleRow;
    schedule.title = shownTitle("EnableSchedulePowerSaver");
    schedule.detail = shownDetail("EnableSchedulePowerSaver");
    schedule.accessory = Accessory::Switch;
    schedule.checked = m_edited.enableScheduleSuspend;
    QList<TableRow> window;
    for (const auto& [id, time] : {std::pair{int(StartRow), m_edited.startTime}, std::pair{int(EndRow), m_edited.endTime}}) {
        TableRow row;
        row.id = id;
        row.title = shownTitle(id == StartRow ? "StartTime" : "EndTime");
        row.detail = PowerSaverSettings::timeText(time);
        row.detailStyle = DetailStyle::Value;
        // A quarter of an hour a press: a slider gives a finger 3 px per step on a small panel.
        row.accessory = Accessory::Stepper;
        row.minimum = 0;
        row.maximum = 95;
        row.wraps = true;
        row.value = PowerSaverSettings::stepOfTime(time);
        row.enabled = m_edited.enableScheduleSuspend;
        window << row;
    }
    QList<TableRow> days;
    for (int d = 0; d < 7; ++d) {
        TableRow row;
        row.id = FirstDayRow + d;
        row.title = dayTitle(d);
        row.accessory = Accessory::Checkmark;
        row.checked = m_edited.daysSelected && m_edited.daysSelected->value(QString::fromLatin1(dayKeys[size_t(d)])).toBool();
        row.enabled = m_edited.enableScheduleSuspend;
        days << row;
    }
    //% "Hours"
    const QString hours = qtTrId("TEXT_POWER_HOURS");
    //% "A window that ends before it starts goes on past midnight. The same start and end never saves power."
    const QString hoursFooter = qtTrId("TEXT_POWER_HOURS_FOOTER");
    //% "Days"
    const QString daysHeader = qtTrId("TEXT_POWER_DAYS");
    m_table->setSections({TableSection{QString(), QString(), {always, schedule}}, TableSection{hours, hoursFooter, window},
                          TableSection{daysHeader, QString(), days}});
}

void KVPowerSaverSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    p.alwaysSavePower = m_edited.alwaysSavePower;
    p.enableScheduleSuspend = m_edited.enableScheduleSuspend;
    p.startTime = m_edited.startTime;
    p.endTime = m_edited.endTime;
    p.daysSelected = m_edited.daysSelected;
    settings.save();
    // Leaving the schedule ends power saving; the next idle timeout applies the new settings.
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerStateOff();
}

}  // namespace korvel
