#include "admin/ui/KVAdvancedSettingsViewController.h"

#include "admin/ui/KVSearchSettingsViewController.h"
#include "admin/ui/PreferenceRows.h"
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
    // Text size and contrast are seen at once: kept as soon as they are chosen, so the screens are
    // made anew in them; the other rows are kept on leaving, as ever.
    PreferenceRows::follow(m_table, KVBrowserPrefSettings::Screens::advancedSettings, &m_input, [this](int rowId, const QVariant& control) {
        const PreferenceRows::Field* f = PreferenceRows::fieldOf(KVBrowserPrefSettings::Screens::advancedSettings, rowId);
        const bool look = f && (f->member == KVBrowserPrefSettings::Member(&KVBrowserPrefSettings::largerText)
                                || f->member == KVBrowserPrefSettings::Member(&KVBrowserPrefSettings::highContrast));
        if (look && PreferenceRows::take(*f, m_input, control)) {
            KVSettings& settings = KVSettings::getSettingsObject();
            PreferenceRows::take(*f, settings.kvBrowPref, control);
            if (!settings.save())
                makeToast(nullptr, qtTrId("TEXT_SETTINGS_NOT_SAVED"));
        }
        return look;
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
    m_input = KVSettings::getSettingsObject().kvBrowPref;
    m_table->setSections(PreferenceRows::sections(KVBrowserPrefSettings::Screens::advancedSettings, m_input, [](const auto& field, QList<TableRow>& rows) {
        if (field.member == KVBrowserPrefSettings::Member(&KVBrowserPrefSettings::strBlockedKeyWord))
            rows.first().placeholder = QStringLiteral("word1,word2,word3...");
        else if (field.member == KVBrowserPrefSettings::Member(&KVBrowserPrefSettings::alsoAllowedForLoading))
            rows.first().placeholder = QStringLiteral("cdn.example.com,fonts.example.net...");
    }));
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
