#include "admin/ui/KVUserAgentsViewController.h"

#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QVBoxLayout>

namespace korvel {

KVUserAgentsViewController::KVUserAgentsViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("userAgents"));
    setTitle(shownTitle("UserAgents"));
    // "Default" is the engine's own agent with Korvel's mark; one set by an imported document
    // stays choosable.
    m_agents = {QStringLiteral("Default")};
    const QString current = KVSettings::getSettingsObject().kvBrowPref.userAgents;
    if (!current.isEmpty() && !m_agents.contains(current))
        m_agents.append(current);
    m_checked = current.isEmpty() ? 0 : int(m_agents.indexOf(current));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::rowSelected, this, [this](int, int row, int) { selectRow(row); });
}

void KVUserAgentsViewController::viewDidLoad()
{
    //% "Cancel"
    setLeftBarButton(BarButton{qtTrId("TEXT_CANCEL"), [this] { cancel(); }, {}});
    //% "Set"
    setRightBarButton(BarButton{qtTrId("SETTINGS_SET"), [this] { set(); }, {}});
    TableSection section;
    for (int i = 0; i < m_agents.size(); ++i) {
        TableRow row;
        row.id = i;
        //% "Default"
        row.title = i == 0 ? qtTrId("SETTINGS_DEFAULT") : m_agents.at(i);
        row.accessory = Accessory::Checkmark;
        row.checked = i == m_checked;
        section.rows.append(row);
    }
    m_table->setSections({section});
}

void KVUserAgentsViewController::selectRow(int row)
{
    if (row < 0 || row >= m_agents.size())
        return;
    m_table->setRowChecked(0, m_checked, false);
    m_checked = row;
    m_table->setRowChecked(0, m_checked, true);
}

void KVUserAgentsViewController::set()
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.userAgents = m_agents.value(m_checked);
    KVLog(QStringLiteral("Settings"), QStringLiteral("User Agent Changed: %@"), settings.kvBrowPref.userAgents);
    settings.save();
    cancel();
}

void KVUserAgentsViewController::cancel()
{
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->pop(Animation::Animated);
}

}  // namespace korvel
