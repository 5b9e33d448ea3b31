#include "admin/ui/KVManageCategoryDetailViewController.h"

#include "admin/ui/PolicyEditorSupport.h"
#include "admin/FilePickerLists.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

KVManageCategoryDetailViewController::KVManageCategoryDetailViewController(std::optional<qsizetype> index, QWidget* parent)
    : Screen(parent), m_index(index)
{
    setObjectName(QStringLiteral("categoryDetails"));
    //% "Category"
    setTitle(qtTrId("TEXT_CATEGORY"));
    m_input = PolicyEditor::inputAt<CategoryInput>(m_index, KVSettings::getSettingsObject().allowedWebsitesCategories);
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id == TitleRow)
            m_input.title = text;
        else if (id == IconPathRow)
            m_input.iconPath = text;
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == ChooseIconRow)
            chooseIcon();
        else if (id == DeleteRow)
            deleteCategory();
    });
}

void KVManageCategoryDetailViewController::viewDidLoad()
{
    //% "Update"
    //% "Add"
    setRightBarButton(BarButton{m_index ? qtTrId("SETTINGS_UPDATE") : qtTrId("SETTINGS_ADD"), [this] { save(); }, {}});
    TableRow title;
    title.id = TitleRow;
    //% "Title:"
    title.title = qtTrId("SETTINGS_TITLE_LABEL");
    title.accessory = Accessory::TextField;
    title.text = m_input.title;
    //% "News"
    title.placeholder = qtTrId("TEXT_CATEGORY_PLACEHOLDER");
    TableRow icon;
    icon.id = IconPathRow;
    //% "Icon Path:"
    icon.title = qtTrId("SETTINGS_ICON_PATH_LABEL");
    icon.accessory = Accessory::TextField;
    icon.text = m_input.iconPath;
    icon.placeholder = qtTrId("TEXT_ICON_PLACEHOLDER");
    TableRow choose;
    choose.id = ChooseIconRow;
    choose.title = qtTrId("TEXT_CHOOSE_ICON");
    choose.accessory = Accessory::Disclosure;
    //% "Enter Category Details"
    QList<TableSection> sections{TableSection{qtTrId("SETTINGS_CATEGORY_DETAILS"), {}, {title, icon, choose}}};
    if (m_index) {
        TableRow remove;
        remove.id = DeleteRow;
        //% "Delete Category"
        remove.title = qtTrId("TEXT_DELETE_CATEGORY");
        remove.destructive = true;
        sections.append(TableSection{{}, {}, {remove}});
    }
    m_table->setSections(sections);
}

void KVManageCategoryDetailViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

bool KVManageCategoryDetailViewController::save()
{
    KVSettings& settings = KVSettings::getSettingsObject();
    const EditOutcome outcome = CategoryEditing::save(settings, m_input, m_index);
    if (outcome.done() && !m_index && m_onAdded && outcome.index >= 0 && outcome.index < settings.allowedWebsitesCategories.size())
        m_onAdded(settings.allowedWebsitesCategories.at(outcome.index).categoryId);
    return PolicyEditor::finishSave(this, outcome);
}

void KVManageCategoryDetailViewController::leave()
{
    PolicyEditor::leave(this);
}

Alert* KVManageCategoryDetailViewController::deleteCategory()
{
    if (!m_index)
        return nullptr;
    //% "Are you sure you want to delete this category?"
    return PolicyEditor::askToDelete(this, qtTrId("SETTINGS_DELETE_CATEGORY_QUESTION"), [index = *m_index] {
        return CategoryEditing::remove(KVSettings::getSettingsObject(), index);
    });
}

void KVManageCategoryDetailViewController::chooseIcon()
{
    PolicyEditor::chooseImage(this, this);
}

void KVManageCategoryDetailViewController::filePicker(KVFilePickerController* picker, int action)
{
    PolicyEditor::takeChosenImage(this, picker, action, m_table, IconPathRow, m_input.iconPath);
}

}  // namespace korvel
