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

const allowedWebsiteCategory* categoryOf(qint64 categoryId)
{
    for (const allowedWebsiteCategory& category : KVSettings::getSettingsObject().allowedWebsitesCategories) {
        if (category.categoryId == categoryId)
            return &category;
    }
    return nullptr;
}

QString categoryTitle(qint64 categoryId)
{
    if (const allowedWebsiteCategory* category = categoryOf(categoryId))
        return category->categoryTitle;
    //% "None"
    return qtTrId("SETTINGS_CATEGORY_NONE");
}

}  // namespace

KVAllowedWebsiteDetails::KVAllowedWebsiteDetails(std::optional<qsizetype> index, QWidget* parent)
    : Screen(parent), m_index(index)
{
    setObjectName(QStringLiteral("allowedWebsiteDetails"));
    //% "Website Details"
    setTitle(qtTrId("SETTINGS_WEBSITE_DETAILS"));
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
    //% "Back"
    setLeftBarButton(BarButton{qtTrId("TEXT_BACK"), [this] { goBack(); }, {}});
    //% "Update"
    //% "Add"
    setRightBarButton(BarButton{m_index ? qtTrId("SETTINGS_UPDATE") : qtTrId("SETTINGS_ADD"), [this] { save(); }, {}});
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
    //% "Assign Category:"
    category.title = qtTrId("SETTINGS_ASSIGN_CATEGORY");
    category.detail = categoryTitle(m_input.categoryId);
    category.detailStyle = DetailStyle::Value;
    category.accessory = Accessory::Disclosure;

    QList<TableSection> sections{
        //% "www.example.com"
        TableSection{qtTrId("SETTINGS_WEBSITE_DETAILS"), {},
                     //% "URL:"
                     {field(UrlRow, qtTrId("SETTINGS_URL_LABEL"), m_input.url, qtTrId("TEXT_URL_PLACEHOLDER")), protocol,
                      //% "Derived from the address when empty"
                      //% "Title:"
                      field(TitleRow, qtTrId("SETTINGS_TITLE_LABEL"), m_input.title, qtTrId("TEXT_TITLE_PLACEHOLDER")),
                      //% "An image in Documents"
                      //% "Icon Path:"
                      field(IconPathRow, qtTrId("SETTINGS_ICON_PATH_LABEL"), m_input.iconPath, qtTrId("TEXT_ICON_PLACEHOLDER")), choose,
                      category}},
        TableSection{{}, {},
                     //% "Run At Startup"
                     //% "Hide Icon"
                     {toggle(RunAtStartupRow, qtTrId("SETTINGS_RUN_AT_STARTUP")), toggle(HideIconRow, qtTrId("SETTINGS_HIDE_ICON")),
                      //% "Allow SubDomain"
                      toggle(AllowSubDomainRow, qtTrId("SETTINGS_ALLOW_SUBDOMAIN")),
                      //% "Allow Only This URL"
                      toggle(AllowOnlyThisRow, qtTrId("SETTINGS_ALLOW_ONLY_THIS_URL")),
                      //% "Use Favicon"
                      //% "Set as Error Page"
                      toggle(UseFaviconRow, qtTrId("SETTINGS_USE_FAVICON")), toggle(ErrorPageRow, qtTrId("SETTINGS_SET_AS_ERROR_PAGE"))}},
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
    if (!categoryOf(m_input.categoryId))
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
    //% "Save Changes?"
    //% "Do you wish to save the changes?"
    auto* alert = new Alert(qtTrId("SETTINGS_SAVE_CHANGES"), qtTrId("SETTINGS_SAVE_CHANGES_QUESTION"));
    const QPointer<KVAllowedWebsiteDetails> self(this);
    //% "Yes"
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Default, [self](Alert&) {
        if (self)
            self->save();
    });
    //% "No"
    alert->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel, [self](Alert&) {
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
    //% "Are you sure you want to delete this website?"
    return PolicyEditor::askToDelete(this, qtTrId("SETTINGS_DELETE_WEBSITE_QUESTION"), [index = *m_index] {
        return AllowedWebsiteEditing::remove(KVSettings::getSettingsObject(), index);
    });
}

Alert* KVAllowedWebsiteDetails::showCategoryMenu()
{
    auto* sheet = new ActionSheet(qtTrId("SETTINGS_ASSIGN_CATEGORY"));
    const QPointer<KVAllowedWebsiteDetails> self(this);
    const auto choose = [self](qint64 id) {
        return [self, id](Alert&) {
            if (self)
                self->categoryAdded(id);
        };
    };
    sheet->addButton(qtTrId("SETTINGS_CATEGORY_NONE"), Alert::Role::Default, choose(0));
    for (const allowedWebsiteCategory& category : KVSettings::getSettingsObject().allowedWebsitesCategories)
        sheet->addButton(category.categoryTitle, Alert::Role::Default, choose(category.categoryId));
    //% "+ Add New Category"
    sheet->addButton(qtTrId("SETTINGS_ADD_NEW_CATEGORY"), Alert::Role::Default, [self](Alert&) {
        if (!self || !self->navigationStack())
            return;
        auto* editor = new KVManageCategoryDetailViewController(std::nullopt);
        editor->setOnAdded([self](qint64 id) {
            if (self)
                self->categoryAdded(id);
        });
        self->navigationStack()->push(editor, Animation::Animated);
    });
    //% "Cancel"
    sheet->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
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
