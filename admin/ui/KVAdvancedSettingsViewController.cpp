#include "admin/ui/KVAdvancedSettingsViewController.h"

#include "admin/ui/KVSearchSettingsViewController.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Images.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

namespace korvel {

KVAdvancedSettingsViewController::KVAdvancedSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("advancedSettings"));
    //% "Advanced Settings"
    setTitle(qtTrId("SETTINGS_SCREEN_ADVANCED"));
    setProperty("barImageButtonName", qtTrId("TEXT_SEARCH_SETTINGS"));
    setRightBarButton(BarButton{QString(), [this] { openSearch(); }, Images::icon(QStringLiteral("search_settings"))});
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id == AllowAllRow)
            m_input.allowAllWebsites = on;
        else if (id == ContentBlockingRow)
            m_input.allowContentBlocking = on;
        else if (id == StrictLoadingRow)
            m_input.strictSubresources = on;
        else if (id == LearnLoadingRow)
            m_input.learnSubresources = on;
    });
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == KeywordsRow)
            m_input.keywords = text;
        else if (id == AlsoAllowedRow)
            m_input.alsoAllowedForLoading = text;
    });
}

void KVAdvancedSettingsViewController::viewDidLoad()
{
    //% "Back"
    setLeftBarButton(BarButton{qtTrId("TEXT_BACK"), [this] { goBack(); }, {}});
}

Alert* KVAdvancedSettingsViewController::openSearch()
{
    if (const std::optional<QString> refusal = AdvancedSettingsEditing::leaveRefusal(m_input)) {
        //% "Alert"
        auto* alert = new Alert(qtTrId("TEXT_ALERT"), *refusal);
        //% "OK"
        alert->addButton(qtTrId("SETTINGS_OK"));
        alert->showOver(this);
        return alert;
    }
    if (NavigationStack* stack = navigationStack())
        stack->push(new KVSearchSettingsViewController, Animation::Animated);
    return nullptr;
}

void KVAdvancedSettingsViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_input = AdvancedSettingsInput::fromPreferences(KVSettings::getSettingsObject().kvBrowPref);
    TableRow allowAll;
    allowAll.id = AllowAllRow;
    allowAll.title = shownTitle("AllowAllWebsites");
    allowAll.detail = shownDetail("AllowAllWebsites");
    allowAll.accessory = Accessory::Switch;
    allowAll.checked = m_input.allowAllWebsites;
    TableRow blocking;
    blocking.id = ContentBlockingRow;
    blocking.title = shownTitle("AllowContentBlocking");
    blocking.detail = shownDetail("AllowContentBlocking");
    blocking.accessory = Accessory::Switch;
    blocking.checked = m_input.allowContentBlocking;
    TableRow keywords;
    keywords.id = KeywordsRow;
    keywords.title = shownTitle("StrBlockedKeyWord");
    keywords.detail = shownDetail("StrBlockedKeyWord");
    keywords.accessory = Accessory::TextField;
    keywords.text = m_input.keywords;
    keywords.placeholder = QStringLiteral("word1,word2,word3...");
    TableRow strict;
    strict.id = StrictLoadingRow;
    strict.title = shownTitle("StrictSubresources");
    //% "Pages load only from the allowed websites and the hosts below"
    strict.detail = qtTrId("SETTINGS_STRICT_LOADING_DETAIL");
    strict.accessory = Accessory::Switch;
    strict.checked = m_input.strictSubresources;
    TableRow alsoAllowed;
    alsoAllowed.id = AlsoAllowedRow;
    alsoAllowed.title = shownTitle("AlsoAllowedForLoading");
    //% "Hosts every page may load from, with their sub-domains"
    alsoAllowed.detail = qtTrId("SETTINGS_ALSO_ALLOWED_DETAIL");
    alsoAllowed.accessory = Accessory::TextField;
    alsoAllowed.text = m_input.alsoAllowedForLoading;
    alsoAllowed.placeholder = QStringLiteral("cdn.example.com,fonts.example.net...");
    TableRow learn;
    learn.id = LearnLoadingRow;
    learn.title = shownTitle("LearnSubresources");
    //% "Record the hosts; korvelctl learn show and learn apply"
    learn.detail = qtTrId("SETTINGS_LEARN_LOADING_DETAIL");
    learn.accessory = Accessory::Switch;
    learn.checked = m_input.learnSubresources;
    m_table->setSections({TableSection{{}, {}, {allowAll}}, TableSection{{}, {}, {blocking, keywords}},
                          TableSection{{}, {}, {strict, alsoAllowed, learn}}});
}

Alert* KVAdvancedSettingsViewController::goBack()
{
    if (const std::optional<QString> refusal = AdvancedSettingsEditing::leaveRefusal(m_input)) {
        auto* alert = new Alert(qtTrId("TEXT_ALERT"), *refusal);
        alert->addButton(qtTrId("SETTINGS_OK"));
        alert->showOver(this);
        return alert;
    }
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->pop(Animation::Animated);
    return nullptr;
}

void KVAdvancedSettingsViewController::viewWillDisappear(bool)
{
    // Leaving by other ways ("Done" of the menu) still stores; content blocking without a keyword
    // is switched off by the save.
    const EditOutcome outcome = AdvancedSettingsEditing::save(KVSettings::getSettingsObject(), m_input);
    if (!outcome.done())
        makeToast(nullptr, outcome.message);
}

}  // namespace korvel
