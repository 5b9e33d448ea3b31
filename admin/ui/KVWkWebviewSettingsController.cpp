#include "admin/ui/KVWkWebviewSettingsController.h"

#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

KVWkWebviewSettingsController::KVWkWebviewSettingsController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("multiTabSettings"));
    setTitle(SettingsSearch::screenTitle(SettingsSearch::multiTab()));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id != MultiTabRow)
            return;
        if (TableCell* count = m_table->cellWithId(CountRow))
            count->setEnabled(on);
    });
}

void KVWkWebviewSettingsController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    TableRow multiTab;
    multiTab.id = MultiTabRow;
    multiTab.title = shownTitle("UseMultiTab");
    multiTab.accessory = Accessory::Switch;
    multiTab.checked = p.useMultiTab;
    TableRow count;
    count.id = CountRow;
    count.title = shownTitle("CountOfTabs");
    count.accessory = Accessory::TextField;
    count.text = QString::number(OtherSettingsRules::shownTabCount(p.countOfTabs));
    count.enabled = p.useMultiTab;
    // The sentence is read, not scanned: a footer in sentence case rather than a capitalised header.
    //% "Korvel does not support these features with tabbed browsing:\n• Allow Icon Relocation\n• Allow Icon Resize\n• Wallpaper Settings"
    const QString excludes = qtTrId("TEXT_MULTITAB_EXCLUDES");
    m_table->setSections({TableSection{{}, shownDetail("CountOfTabs") + QStringLiteral("\n\n") + excludes, {multiTab, count}}});
    if (TableCell* cell = m_table->cellWithId(CountRow)) {
        // The short title stays on one line; the field takes what is left.
        QLabel* title = cell->titleLabel();
        title->setMinimumWidth(title->fontMetrics().horizontalAdvance(count.title) + 2);
        cell->textField()->setInputMethodHints(Qt::ImhDigitsOnly);
        connect(cell->textField(), &QLineEdit::editingFinished, this, &KVWkWebviewSettingsController::countEnded);
    }
}

bool KVWkWebviewSettingsController::countEnded()
{
    TableCell* cell = m_table->cellWithId(CountRow);
    if (!cell || OtherSettingsRules::acceptTabCount(cell->textField()->text()))
        return true;
    cell->textField()->setText(QString::number(OtherSettingsRules::largestTabCount()));
    //% "Invalid Number of Tabs. Please enter value between or equal to 1 - 8."
    makeToast(this, qtTrId("SETTINGS_INVALID_TAB_COUNT"));
    return false;
}

void KVWkWebviewSettingsController::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    if (TableCell* cell = m_table->cellWithId(MultiTabRow); cell && cell->toggle())
        settings.kvBrowPref.useMultiTab = cell->toggle()->isChecked();
    if (TableCell* cell = m_table->cellWithId(CountRow); cell && cell->textField())
        settings.kvBrowPref.countOfTabs = OtherSettingsRules::acceptTabCount(cell->textField()->text()).value_or(OtherSettingsRules::largestTabCount());
    // Tabbed browsing lays the icons out itself.
    if (settings.kvBrowPref.useMultiTab)
        settings.kvBrowPref.allowResize = settings.kvBrowPref.allowDragDrop = false;
    KVLog(QStringLiteral("Settings"), QStringLiteral("Maximum Number of Tabs Changed: %i"), settings.kvBrowPref.countOfTabs);
    settings.save();
}

}  // namespace korvel
