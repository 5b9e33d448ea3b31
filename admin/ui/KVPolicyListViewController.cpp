#include "admin/ui/KVPolicyListViewController.h"

#include "admin/ui/KVAddBlockedWebsiteViewController.h"
#include "admin/ui/KVAllowedWebsiteDetails.h"
#include "admin/ui/KVManageCategoryDetailViewController.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

KVPolicyListViewController::KVPolicyListViewController(Kind kind, QWidget* parent)
    : Screen(parent), m_kind(kind)
{
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    switch (kind) {
    case Kind::AllowedWebsites:
        setObjectName(QStringLiteral("allowedWebsites"));
        //% "Allowed Websites"
        setTitle(qtTrId("SETTINGS_ALLOWED_WEBSITES"));
        //% "Search Website"
        m_table->setSearchPlaceholder(qtTrId("TEXT_SEARCH_WEBSITE"));
        m_table->setEmptyText(QStringLiteral("No Allowed Websites. Press \"Add\" to add one."));
        break;
    case Kind::Categories:
        setObjectName(QStringLiteral("categories"));
        //% "Add/Edit Categories"
        setTitle(qtTrId("SETTINGS_EDIT_CATEGORIES"));
        //% "Search Category"
        m_table->setSearchPlaceholder(qtTrId("SETTINGS_SEARCH_CATEGORY"));
        m_table->setEmptyText(QStringLiteral("No Categories added. Press \"Add\" to add new category."));
        break;
    case Kind::BlockedWebsites:
        setObjectName(QStringLiteral("blockedWebsites"));
        //% "Blocked Websites"
        setTitle(qtTrId("SETTINGS_BLOCKED_WEBSITES"));
        m_table->setSearchPlaceholder(qtTrId("TEXT_SEARCH_WEBSITE"));
        m_table->setEmptyText(QStringLiteral("No Blocked Websites. Press \"Add\" to add one."));
        break;
    }
    // The row's id is the record's index in its list.
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int index) { openEditor(index); });
}

void KVPolicyListViewController::viewDidLoad()
{
    //% "Add"
    setRightBarButton(BarButton{qtTrId("SETTINGS_ADD"), [this] { openEditor(); }, {}});
    if (m_kind == Kind::BlockedWebsites)
        KVLog(QStringLiteral("App General"), QStringLiteral("Blocked Websites menu loaded"));
}

void KVPolicyListViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    showRecords();
}

void KVPolicyListViewController::showRecords()
{
    const KVSettings& settings = KVSettings::getSettingsObject();
    TableSection section;
    const auto add = [&](qsizetype index, const QString& title, const QString& detail, const QString& image) {
        TableRow row;
        row.id = int(index);
        row.title = title;
        row.detail = detail;
        row.image = image;
        row.accessory = Accessory::Disclosure;
        section.rows.append(row);
    };
    switch (m_kind) {
    case Kind::AllowedWebsites:
        for (qsizetype i = 0; i < settings.allowedWebsites.size(); ++i) {
            const allowedWebsite& site = settings.allowedWebsites.at(i);
            add(i, site.title, site.url, QStringLiteral("allowedurl.png"));
        }
        break;
    case Kind::Categories:
        for (qsizetype i = 0; i < settings.allowedWebsitesCategories.size(); ++i)
            add(i, settings.allowedWebsitesCategories.at(i).categoryTitle, QString(), QStringLiteral("categories.png"));
        break;
    case Kind::BlockedWebsites:
        for (qsizetype i = 0; i < settings.blockedWebsites.size(); ++i) {
            const blockedWebsite& site = settings.blockedWebsites.at(i);
            add(i, site.title, site.url, QStringLiteral("blocked_websites.png"));
        }
        break;
    }
    QList<TableSection> sections;
    if (!section.rows.isEmpty())
        sections.append(section);
    m_table->setSections(sections);
}

void KVPolicyListViewController::openEditor(qsizetype index)
{
    NavigationStack* stack = navigationStack();
    if (!stack || stack->topScreen() != this)
        return;
    const std::optional<qsizetype> at = index >= 0 ? std::optional<qsizetype>(index) : std::nullopt;
    switch (m_kind) {
    case Kind::AllowedWebsites:
        stack->push(new KVAllowedWebsiteDetails(at), Animation::Animated);
        break;
    case Kind::Categories:
        stack->push(new KVManageCategoryDetailViewController(at), Animation::Animated);
        break;
    case Kind::BlockedWebsites:
        stack->push(new KVAddBlockedWebsiteViewController(at), Animation::Animated);
        break;
    }
}

}  // namespace korvel
