#include "admin/ui/KVMotionDetectionSettingsViewController.h"

#include "browser/MotionType.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

enum Row { EnableRow = 1, SensitivityRow };

TableView* fill(Screen* screen)
{
    auto* table = new TableView(screen);
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table);
    return table;
}

}  // namespace

KVMotionDetectionSettingsViewController::KVMotionDetectionSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Motion Detection Settings"
    setTitle(qtTrId("TEXT_MOTION_DETECTION_SETTINGS"));
    m_table = fill(this);
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id == EnableRow)
            m_enabled = on;
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == SensitivityRow)
            openSensitivity();
    });
}

void KVMotionDetectionSettingsViewController::viewDidLoad()
{
    m_enabled = KVSettings::getSettingsObject().kvBrowPref.enableDrivingMode;
}

void KVMotionDetectionSettingsViewController::viewWillAppear(bool animated)
{
    Screen::viewWillAppear(animated);
    reload();
}

void KVMotionDetectionSettingsViewController::reload()
{
    TableRow enable;
    enable.id = EnableRow;
    enable.title = shownTitle("DrivingMode");
    enable.detail = shownDetail("DrivingMode");
    enable.accessory = Accessory::Switch;
    enable.checked = m_enabled;
    TableRow sensitivity;
    sensitivity.id = SensitivityRow;
    sensitivity.title = shownTitle("MotionType");
    sensitivity.detail = shownValueNames("MotionType").value(MotionType::getMotionType(KVSettings::getSettingsObject()));
    sensitivity.detailStyle = DetailStyle::Value;
    sensitivity.accessory = Accessory::Disclosure;
    m_table->setSections({TableSection{QString(), QString(), {enable, sensitivity}}});
}

void KVMotionDetectionSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.enableDrivingMode = m_enabled;
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
