#include "admin/ui/KVSpecialLinksViewController.h"

#include "admin/SettingsSearch.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

namespace korvel {

KVSpecialLinksViewController::KVSpecialLinksViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("specialLinks"));
    setTitle(SettingsSearch::screenTitle(SettingsSearch::specialLinks()));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
}

void KVSpecialLinksViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    TableRow phone;
    phone.id = 0;
    phone.title = shownTitle("PhoneLinks");
    //% "This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application."
    phone.detail = qtTrId("TEXT_PHONE_LINKS_DETAIL");
    phone.accessory = Accessory::Switch;
    phone.checked = p.enablePhoneLinks;
    TableRow print;
    print.id = 1;
    print.title = shownTitle("PrintLinks");
    //% "A page's own print link prints the page."
    print.detail = qtTrId("TEXT_PRINT_LINKS_DETAIL");
    print.accessory = Accessory::Switch;
    print.checked = p.enablePrintLinks;
    m_table->setSections({TableSection{{}, {}, {phone, print}}});
}

void KVSpecialLinksViewController::viewWillDisappear(bool)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    if (TableCell* cell = m_table->cellWithId(0); cell && cell->toggle())
        settings.kvBrowPref.enablePhoneLinks = cell->toggle()->isChecked();
    if (TableCell* cell = m_table->cellWithId(1); cell && cell->toggle())
        settings.kvBrowPref.enablePrintLinks = cell->toggle()->isChecked();
    settings.save();
}

}  // namespace korvel
