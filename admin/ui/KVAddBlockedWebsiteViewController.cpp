#include "admin/ui/KVAddBlockedWebsiteViewController.h"

#include "admin/ui/PolicyEditorSupport.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

KVAddBlockedWebsiteViewController::KVAddBlockedWebsiteViewController(std::optional<qsizetype> index, QWidget* parent)
    : Screen(parent), m_index(index)
{
    setObjectName(QStringLiteral("blockedWebsiteDetails"));
    //% "Blocked Website"
    setTitle(qtTrId("TEXT_BLOCKED_WEBSITE"));
    m_input = PolicyEditor::inputAt<BlockedWebsiteInput>(m_index, KVSettings::getSettingsObject().blockedWebsites);
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == UrlRow)
            m_input.url = text;
    });
    connect(m_table, &TableView::segmentChanged, this, [this](int id, int index) {
        if (id == ProtocolRow && index >= 0)
            m_input.protocol = WebsiteProtocol(index);
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == DeleteRow)
            deleteWebsite();
    });
}

void KVAddBlockedWebsiteViewController::viewDidLoad()
{
    //% "Update"
    //% "Add"
    setRightBarButton(BarButton{m_index ? qtTrId("SETTINGS_UPDATE") : qtTrId("SETTINGS_ADD"), [this] { save(); }, {}});
    TableRow url;
    url.id = UrlRow;
    //% "URL:"
    url.title = qtTrId("SETTINGS_URL_LABEL");
    url.accessory = Accessory::TextField;
    url.text = m_input.url;
    url.placeholder = qtTrId("TEXT_URL_PLACEHOLDER");
    TableRow protocol;
    protocol.id = ProtocolRow;
    protocol.title = qtTrId("TEXT_PROTOCOL");
    protocol.accessory = Accessory::Segmented;
    protocol.segments = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")};
    protocol.selectedSegment = int(m_input.protocol);
    //% "Blocked Website Details"
    QList<TableSection> sections{TableSection{qtTrId("SETTINGS_BLOCKED_WEBSITE_DETAILS"), {}, {url, protocol}}};
    if (m_index) {
        TableRow remove;
        remove.id = DeleteRow;
        remove.title = qtTrId("TEXT_DELETE_WEBSITE");
        remove.destructive = true;
        sections.append(TableSection{{}, {}, {remove}});
    }
    m_table->setSections(sections);
}

void KVAddBlockedWebsiteViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

bool KVAddBlockedWebsiteViewController::save()
{
    const EditOutcome outcome = BlockedWebsiteEditing::save(KVSettings::getSettingsObject(), m_input, m_index);
    return PolicyEditor::finishSave(this, outcome);
}

void KVAddBlockedWebsiteViewController::leave()
{
    PolicyEditor::leave(this);
}

Alert* KVAddBlockedWebsiteViewController::deleteWebsite()
{
    if (!m_index)
        return nullptr;
    //% "Are you sure you want to delete this website?"
    return PolicyEditor::askToDelete(this, qtTrId("SETTINGS_DELETE_WEBSITE_QUESTION"), [index = *m_index] {
        return BlockedWebsiteEditing::remove(KVSettings::getSettingsObject(), index);
    });
}

}  // namespace korvel
