#include "admin/ui/KVPowerSaverSettingsViewController.h"

#include "admin/PowerSaverSettings.h"
#include "admin/ui/PreferenceRows.h"
#include "browser/PowerSaver.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

#include <array>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;

constexpr const char* shownOn = P::Screens::powerSaver;
// The days are seven rows of their own; the schema's rows number up to section * 100 + row.
constexpr int FirstDayRow = 10000;

bool shows(const P::Field& field, P::Member member)
{
    return field.member == member;
}

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
    PreferenceRows::follow(m_table, shownOn, &m_edited, [this](int id, const QVariant& control) {
        const P::Field* f = PreferenceRows::fieldOf(shownOn, id);
        if (!f || (!shows(*f, &P::alwaysSavePower) && !shows(*f, &P::enableScheduleSuspend)))
            return false;
        if (shows(*f, &P::alwaysSavePower))
            PowerSaverSettings::setAlwaysSavePower(m_edited, control.toBool());
        else
            PowerSaverSettings::setScheduleSuspend(m_edited, control.toBool());
        // The other switch moves: rebuilt after the toggle has finished.
        QMetaObject::invokeMethod(this, &KVPowerSaverSettingsViewController::reload, Qt::QueuedConnection);
        return true;
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
    const bool scheduled = m_edited.enableScheduleSuspend;
    QList<TableSection> sections = PreferenceRows::sections(shownOn, m_edited, [&](const P::Field& field, QList<TableRow>& rows) {
        if (field.type == P::FieldType::TimeOfDay)
            rows.first().enabled = scheduled;
        if (field.type != P::FieldType::Days)
            return;
        rows.clear();
        for (int d = 0; d < 7; ++d) {
            TableRow row;
            row.id = FirstDayRow + d;
            row.title = dayTitle(d);
            row.accessory = Accessory::Checkmark;
            row.checked = m_edited.daysSelected && m_edited.daysSelected->value(QString::fromLatin1(dayKeys[size_t(d)])).toBool();
            row.enabled = scheduled;
            rows << row;
        }
    });
    if (sections.size() == 3) {
        //% "Hours"
        sections[1].header = qtTrId("TEXT_POWER_HOURS");
        //% "A window that ends before it starts goes on past midnight. The same start and end never saves power."
        sections[1].footer = qtTrId("TEXT_POWER_HOURS_FOOTER");
        //% "Days"
        sections[2].header = qtTrId("TEXT_POWER_DAYS");
    }
    m_table->setSections(sections);
}

void KVPowerSaverSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    p.takeShownOn(shownOn, m_edited);
    settings.save();
    // Leaving the schedule ends power saving; the next idle timeout applies the new settings.
    if (PowerSaver* saver = PowerSaver::current())
        saver->powerStateOff();
}

}  // namespace korvel
