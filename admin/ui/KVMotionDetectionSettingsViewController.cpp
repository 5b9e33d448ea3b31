#include "admin/ui/KVMotionDetectionSettingsViewController.h"

#include "admin/ui/PreferenceRows.h"
#include "browser/MotionType.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
constexpr const char* shownOn = P::Screens::motion;

TableView* fill(Screen* screen)
{
    auto* table = new TableView(screen);
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    return table;
}

bool isSensitivity(const P::Field* field)
{
    return field && field->member == P::Member(&P::motionType);
}

}  // namespace

KVMotionDetectionSettingsViewController::KVMotionDetectionSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Motion Detection Settings"
    setTitle(qtTrId("TEXT_MOTION_DETECTION_SETTINGS"));
    m_table = fill(this);
    PreferenceRows::follow(m_table, shownOn, &m_edited);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (isSensitivity(PreferenceRows::fieldOf(shownOn, id)))
            openSensitivity();
    });
}

void KVMotionDetectionSettingsViewController::viewDidLoad()
{
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
}

void KVMotionDetectionSettingsViewController::viewWillAppear(bool animated)
{
    Screen::viewWillAppear(animated);
    reload();
}

void KVMotionDetectionSettingsViewController::reload()
{
    // The sensitivity is chosen and stored on its own screen.
    m_edited.motionType = MotionType::getMotionType(KVSettings::getSettingsObject());
    m_table->setSections(PreferenceRows::sections(shownOn, m_edited, [this](const P::Field& field, QList<TableRow>& rows) {
        if (!isSensitivity(&field))
            return;
        TableRow& row = rows.first();
        row.detail = row.segments.value(m_edited.motionType);
        row.detailStyle = DetailStyle::Value;
        row.accessory = Accessory::Disclosure;
        row.segments.clear();
    }));
}

void KVMotionDetectionSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(shownOn, m_edited);
    settings.save();
}

void KVMotionDetectionSettingsViewController::openSensitivity()
{
    NavigationStack* stack = navigationStack();
    if (!stack || qobject_cast<KVMotionSensitivityViewController*>(stack->topScreen()))
        return;
    stack->push(new KVMotionSensitivityViewController, NavigationStack::Animation::Animated);
}

KVMotionSensitivityViewController::KVMotionSensitivityViewController(QWidget* parent)
    : Screen(parent)
{
    setTitle(shownTitle("MotionType"));
    m_table = fill(this);
    connect(m_table, &TableView::rowSelected, this, [this](int section, int row, int) {
        m_table->setRowChecked(section, m_checked, false);
        m_checked = row;
        m_table->setRowChecked(section, row, true);
    });
}

void KVMotionSensitivityViewController::viewWillAppear(bool animated)
{
    Screen::viewWillAppear(animated);
    m_checked = MotionType::getMotionType(KVSettings::getSettingsObject());
    QList<TableRow> rows;
    const QStringList titles = shownValueNames("MotionType");
    for (int i = 0; i < titles.size(); ++i) {
        TableRow row;
        row.id = i + 1;
        row.title = titles.at(i);
        row.accessory = Accessory::Checkmark;
        row.checked = i == m_checked;
        rows << row;
    }
    m_table->setSections({TableSection{QString(), QString(), rows}});
}

void KVMotionSensitivityViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.motionType = m_checked;
    settings.save();
    settings.load();
}

}  // namespace korvel
