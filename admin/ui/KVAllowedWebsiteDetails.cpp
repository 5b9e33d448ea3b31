#include "admin/ui/KVAllowedWebsiteDetails.h"

#include "admin/ui/PolicyEditorSupport.h"
#include "admin/FilePickerLists.h"
#include "admin/ui/KVManageCategoryDetailViewController.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

namespace {

bool AllowedWebsiteInput::*switchField(int row)
{
    switch (KVAllowedWebsiteDetails::Row(row)) {
    case KVAllowedWebsiteDetails::RunAtStartupRow:
        return &AllowedWebsiteInput::runAtStartup;
    case KVAllowedWebsiteDetails::HideIconRow:
        return &AllowedWebsiteInput::hideURL;
    case KVAllowedWebsiteDetails::AllowSubDomainRow:
        return &AllowedWebsiteInput::allowSubDomain;
    case KVAllowedWebsiteDetails::AllowOnlyThisRow:
        return &AllowedWebsiteInput::allowOnlyThis;
    case KVAllowedWebsiteDetails::UseFaviconRow:
        return &AllowedWebsiteInput::useFavicon;
    case KVAllowedWebsiteDetails::ErrorPageRow:
        return &AllowedWebsiteInput::errorPage;
    case KVAllowedWebsiteDetails::UrlRow:
    case KVAllowedWebsiteDetails::ProtocolRow:
    case KVAllowedWebsiteDetails::TitleRow:
    case KVAllowedWebsiteDetails::IconPathRow:
    case KVAllowedWebsiteDetails::ChooseIconRow:
    case KVAllowedWebsiteDetails::CategoryRow:
    case KVAllowedWebsiteDetails::DeleteRow:
        break;
    }
    return nullptr;
}

QString categoryTitle(qint64 categoryId)
{
    for (const allowedWebsiteCategory& category : KVSettings::getSettingsObject().allowedWebsitesCategories) {
        if (category.categoryId == categoryId)
            return category.categoryTitle;
    }
    return QStringLiteral("None");
}

}  // namespace

KVAllowedWebsiteDetails::KVAllowedWebsiteDetails(std::optional<qsizetype> index, QWidget* parent)
    : Screen(parent), m_index(index)
{
    setObjectName(QStringLiteral("allowedWebsiteDetails"));
    setTitle(QStringLiteral("Website Details"));
    m_input = PolicyEditor::inputAt<AllowedWebsiteInput>(m_index, KVSettings::getSettingsObject().allowedWebsites);
    m_original = m_input;

    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == UrlRow)
            m_input.url = text;
        else if (id == TitleRow)
            m_input.title = text;
        else if (id == IconPathRow)
            m_input.iconPath = text;
    });
    connect(m_table, &TableView::segmentChanged, this, [this](int id, int index) {
        if (id == ProtocolRow && index >= 0)
            m_input.protocol = WebsiteProtocol(index);
    });
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (bool AllowedWebsiteInput::*field = switchField(id))
            m_input.*field = on;
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == ChooseIconRow)
            chooseIcon();
        else if (id == CategoryRow)
            showCategoryMenu();
        else if (id == DeleteRow)
            deleteWebsite();
    });
}

void KVAllowedWebsiteDetails::viewDidLoad()
{
    setLeftBarButton(BarButton{QStringLiteral("Back"), [this] { goBack(); }, {}});
    setRightBarButton(BarButton{m_index ? QStringLiteral("Update") : QStringLiteral("Add"), [this] { save(); }, {}});
    showInput();
}

void KVAllowedWebsiteDetails::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    // A category added or renamed on a screen above shows its current title.
    showCategory();
}

void KVAllowedWebsiteDetails::showInput()
{
    const auto field = [](int id, const QString& title, const QString& text, const QString& placeholder) {
        TableRow row;
        row.id = id;
        row.title = title;
        row.accessory = Accessory::TextField;
        row.text = text;
        row.placeholder = placeholder;
        return row;
    };
    const auto toggle = [this](int id, const QString& title) {
        TableRow row;
        row.id = id;
        row.title = title;
        row.accessory = Accessory::Switch;
        row.checked = m_input.*switchField(id);
        return row;
    };
    TableRow protocol;
    protocol.id = ProtocolRow;
    //% "Protocol"
    protocol.title = qtTrId("TEXT_PROTOCOL");
    protocol.accessory = Accessory::Segmented;
    protocol.segments = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")};
    protocol.selectedSegment = int(m_input.protocol);
    TableRow choose;
    choose.id = ChooseIconRow;
    //% "Choose Icon from Documents"
    choose.title = qtTrId("TEXT_CHOOSE_ICON");
    choose.accessory = Accessory::Disclosure;
    TableRow category;
    category.id = CategoryRow;
    category.title = QStringLiteral("Assign Category:");
    category.detail = categoryTitle(m_input.categoryId);
    category.detailStyle = DetailStyle::Value;
    category.accessory = Accessory::Disclosure;

    QList<TableSection> sections{
        //% "www.example.com"
        TableSection{QStringLiteral("Website Details"), {},
                     {field(UrlRow, QStringLiteral("URL:"), m_input.url, qtTrId("TEXT_URL_PLACEHOLDER")), protocol,
                      //% "Derived from the address when empty"
                      field(TitleRow, QStringLiteral("Title:"), m_input.title, qtTrId("TEXT_TITLE_PLACEHOLDER")),
                      //% "An image in Documents"
                      field(IconPathRow, QStringLiteral("Icon Path:"), m_input.iconPath, qtTrId("TEXT_ICON_PLACEHOLDER")), choose,
                      category}},
        TableSection{{}, {},
                     {toggle(RunAtStartupRow, QStringLiteral("Run At Startup")), toggle(HideIconRow, QStringLiteral("Hide Icon")),
                      toggle(AllowSubDomainRow, QStringLiteral("Allow SubDomain")),
                      toggle(AllowOnlyThisRow, QStringLiteral("Allow Only This URL")),
                      toggle(UseFaviconRow, QStringLiteral("Use Favicon")), toggle(ErrorPageRow, QStringLiteral("Set as Error Page"))}},
    };
    if (m_index) {
        TableRow remove;
        remove.id = DeleteRow;
        //% "Delete Website"
        remove.title = qtTrId("TEXT_DELETE_WEBSITE");
        remove.destructive = true;
        sections.append(TableSection{{}, {}, {remove}});
    }
    m_table->setSections(sections);
}

void KVAllowedWebsiteDetails::showCategory()
{
    // The chosen category may have been deleted meanwhile: it then reads as none.
    if (categoryTitle(m_input.categoryId) == QLatin1String("None"))
        m_input.categoryId = 0;
    if (TableCell* cell = m_table->cellWithId(CategoryRow))
        cell->detailLabel()->setText(categoryTitle(m_input.categoryId));
}

bool KVAllowedWebsiteDetails::save()
{
    KVSettings& settings = KVSettings::getSettingsObject();
    const EditOutcome outcome = AllowedWebsiteEditing::save(settings, m_input, m_index);
    return PolicyEditor::finishSave(this, outcome);
}

void KVAllowedWebsiteDetails::leave()
{
    PolicyEditor::leave(this);
}

Alert* KVAllowedWebsiteDetails::goBack()
{
    if (!hasChanges()) {
        leave();
        return nullptr;
    }
    auto* alert = new Alert(QStringLiteral("Save Changes?"), QStringLiteral("Do you wish to save the changes?"));
    const QPointer<KVAllowedWebsiteDetails> self(this);
    alert->addButton(QStringLiteral("Yes"), Alert::Role::Default, [self](Alert&) {
        if (self)
            self->save();
    });
    alert->addButton(QStringLiteral("No"), Alert::Role::Cancel, [self](Alert&) {
        if (self)
            self->leave();
    });
    alert->showOver(this);
    return alert;
}

Alert* KVAllowedWebsiteDetails::deleteWebsite()
{
    if (!m_index)
        return nullptr;
    return PolicyEditor::askToDelete(this, QStringLiteral("Are you sure you want to delete this website?"), [index = *m_index] {
        return AllowedWebsiteEditing::remove(KVSettings::getSettingsObject(), index);
    });
}

Alert* KVAllowedWebsiteDetails::showCategoryMenu()
{
    auto* sheet = new ActionSheet(QStringLiteral("Assign Category:"));
    const QPointer<KVAllowedWebsiteDetails> self(this);
    const auto choose = [self](qint64 id) {
        return [self, id](Alert&) {
            if (self)
                self->categoryAdded(id);
        };
    };
    sheet->addButton(QStringLiteral("None"), Alert::Role::Default, choose(0));
    for (const allowedWebsiteCategory& category : KVSettings::getSettingsObject().allowedWebsitesCategories)
        sheet->addButton(category.categoryTitle, Alert::Role::Default, choose(category.categoryId));
    sheet->addButton(QStringLiteral("+ Add New Category"), Alert::Role::Default, [self](Alert&) {
        if (!self || !self->navigationStack())
            return;
        auto* editor = new KVManageCategoryDetailViewController(std::nullopt);
        editor->setOnAdded([self](qint64 id) {
            if (self)
                self->categoryAdded(id);
        });
        self->navigationStack()->push(editor, Animation::Animated);
    });
    sheet->addButton(QStringLiteral("Cancel"), Alert::Role::Cancel);
    sheet->showOver(this);
    return sheet;
}

void KVAllowedWebsiteDetails::categoryAdded(qint64 categoryId)
{
    m_input.categoryId = categoryId;
    showCategory();
}

void KVAllowedWebsiteDetails::chooseIcon()
{
    PolicyEditor::chooseImage(this, this);
}

void KVAllowedWebsiteDetails::filePicker(KVFilePickerController* picker, int action)
{
    PolicyEditor::takeChosenImage(this, picker, action, m_table, IconPathRow, m_input.iconPath);
}

}  // namespace korvel
