#include "admin/ui/PreferencesScreen.h"

#include "admin/ui/PreferenceRows.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

PreferencesScreen::PreferencesScreen(const char* shownOn, const QString& title, QWidget* parent)
    : Screen(parent)
    , m_shownOn(shownOn)
{
    setTitle(title);
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    PreferenceRows::follow(m_table, m_shownOn, &m_edited);
}

void PreferencesScreen::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
    m_table->setSections(PreferenceRows::sections(m_shownOn, m_edited));
}

void PreferencesScreen::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(m_shownOn, m_edited);
    settings.save();
    saved(settings.kvBrowPref);
}

}  // namespace korvel
