#include "admin/ui/KVSpecialLinksViewController.h"

#include "admin/SettingsSearch.h"
#include "admin/ui/PreferenceRows.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr const char* shownOn = KVBrowserPrefSettings::Screens::specialLinks;

}  // namespace

KVSpecialLinksViewController::KVSpecialLinksViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("specialLinks"));
    setTitle(SettingsSearch::screenTitle(SettingsSearch::specialLinks()));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    PreferenceRows::follow(m_table, shownOn, &m_edited);
}

void KVSpecialLinksViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
    m_table->setSections(PreferenceRows::sections(shownOn, m_edited));
}

void KVSpecialLinksViewController::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(shownOn, m_edited);
    settings.save();
}

}  // namespace korvel
