#include "admin/ui/KVWkWebviewSettingsController.h"

#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "admin/ui/PreferenceRows.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
constexpr const char* shownOn = P::Screens::multiTab;

}  // namespace

KVWkWebviewSettingsController::KVWkWebviewSettingsController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("multiTabSettings"));
    setTitle(SettingsSearch::screenTitle(SettingsSearch::multiTab()));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    // The count is read from its field when the screen goes: a refused count is reset there.
    PreferenceRows::follow(m_table, shownOn, &m_edited, [this](int id, const QVariant& control) {
        if (id == MultiTabRow) {
            if (TableCell* count = m_table->cellWithId(CountRow))
                count->setEnabled(control.toBool());
        }
        return id == CountRow;
    });
}

void KVWkWebviewSettingsController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
    QList<TableSection> sections = PreferenceRows::sections(shownOn, m_edited, [this](const P::Field& field, QList<TableRow>& rows) {
        if (field.member != P::Member(&P::countOfTabs))
            return;
        rows.first().detail.clear();  // said in the footer
        rows.first().text = QString::number(OtherSettingsRules::shownTabCount(m_edited.countOfTabs));
        rows.first().enabled = m_edited.useMultiTab;
    });
    // The sentence is read, not scanned: a footer in sentence case rather than a capitalised header.
    //% "Korvel does not support these features with tabbed browsing:\n• Allow Icon Relocation\n• Allow Icon Resize\n• Wallpaper Settings"
    const QString excludes = qtTrId("TEXT_MULTITAB_EXCLUDES");
    sections.first().footer = shownDetail("CountOfTabs") + QStringLiteral("\n\n") + excludes;
    m_table->setSections(sections);
    if (TableCell* cell = m_table->cellWithId(CountRow)) {
        // The short title stays on one line; the field takes what is left.
        QLabel* title = cell->titleLabel();
        title->setMinimumWidth(title->fontMetrics().horizontalAdvance(title->text()) + 2);
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
    if (TableCell* cell = m_table->cellWithId(CountRow); cell && cell->textField())
        m_edited.countOfTabs = OtherSettingsRules::acceptTabCount(cell->textField()->text()).value_or(OtherSettingsRules::largestTabCount());
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(shownOn, m_edited);
    // Tabbed browsing lays the icons out itself.
    if (settings.kvBrowPref.useMultiTab)
        settings.kvBrowPref.allowResize = settings.kvBrowPref.allowDragDrop = false;
    KVLog(QStringLiteral("Settings"), QStringLiteral("Maximum Number of Tabs Changed: %i"), settings.kvBrowPref.countOfTabs);
    settings.save();
}

}  // namespace korvel
