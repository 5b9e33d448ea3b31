#include "admin/ui/KVNavigationToolbarTableViewController.h"

#include "admin/FilePickerLists.h"
#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "admin/ui/PreferenceRows.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;

constexpr const char* shownOn = P::Screens::navigationToolbar;

bool isImage(const P::Field* field)
{
    return field && field->type == P::FieldType::String;
}

}  // namespace

KVNavigationToolbarTableViewController::KVNavigationToolbarTableViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("navigationToolbarSettings"));
    setTitle(SettingsSearch::screenTitle(SettingsSearch::navigationToolbar()));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    // A name that is no image keeps the stored one rather than breaking the toolbar.
    PreferenceRows::follow(m_table, shownOn, &m_edited, [this](int id, const QVariant& control) {
        const P::Field* f = PreferenceRows::fieldOf(shownOn, id);
        if (!isImage(f))
            return false;
        QString P::*image = std::get<QString P::*>(f->member);
        const QString name = control.toString();
        m_edited.*image = OtherSettingsRules::isImageName(name) ? name : KVSettings::getSettingsObject().kvBrowPref.*image;
        return true;
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (isImage(PreferenceRows::fieldOf(shownOn, id)))
            chooseImage(id);
    });
}

void KVNavigationToolbarTableViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    if (!m_table->sections().isEmpty())
        return;  // back from the picker: keep what is typed
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
    QList<TableSection> sections = PreferenceRows::sections(shownOn, m_edited, [](const P::Field& field, QList<TableRow>& rows) {
        if (isImage(&field))
            //% "Default"
            rows.first().placeholder = qtTrId("SETTINGS_DEFAULT");
    });
    if (sections.size() == 2) {
        //% "Buttons"
        sections[0].header = qtTrId("SETTINGS_TOOLBAR_BUTTONS");
        //% "Images"
        sections[1].header = qtTrId("SETTINGS_TOOLBAR_IMAGES");
        //% "Images in Documents; empty uses the built-in image. Tap a row to pick one."
        sections[1].footer = qtTrId("TEXT_TOOLBAR_IMAGES_FOOTER");
    }
    m_table->setSections(sections);
    for (const TableSection& section : sections) {
        for (const TableRow& row : section.rows) {
            if (TableCell* cell = m_table->cellWithId(row.id); cell && cell->textField())
                connect(cell->textField(), &QLineEdit::editingFinished, this, [this, id = row.id] { imageNameEnded(id); });
        }
    }
}

bool KVNavigationToolbarTableViewController::imageNameEnded(int rowId)
{
    TableCell* cell = m_table->cellWithId(rowId);
    if (!cell || !cell->textField() || OtherSettingsRules::isImageName(cell->textField()->text()))
        return true;
    //% "Please check and try again"
    //% "Invalid Image File!"
    makeToast(this, qtTrId("SETTINGS_CHECK_AND_RETRY"), {std::chrono::seconds(2), ToastPosition::Top, qtTrId("SETTINGS_INVALID_IMAGE_FILE"), {}});
    return false;
}

void KVNavigationToolbarTableViewController::chooseImage(int rowId)
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    m_picking = rowId;
    auto* picker = new KVFilePickerController;
    picker->setDelegate(this);
    stack->present(KVFilePickerController::inOwnStack(picker), Animation::Animated);
}

void KVNavigationToolbarTableViewController::filePicker(KVFilePickerController* picker, int action)
{
    if (action != 1)
        return;
    if (picker->selectedFileType() != FilePickerLists::title(FileGroup::Image)) {
        //% "Please select a valid image file"
        makeToast(this, qtTrId("SETTINGS_SELECT_VALID_IMAGE"),
                  {std::chrono::seconds(2), ToastPosition::Top, qtTrId("SETTINGS_INVALID_IMAGE_FILE"), {}});
        return;
    }
    if (TableCell* cell = m_table->cellWithId(m_picking); cell && cell->textField())
        cell->textField()->setText(picker->fileSelected());
}

void KVNavigationToolbarTableViewController::viewWillDisappear(bool)
{
    if (NavigationStack* stack = navigationStack(); stack && stack->presentedScreen())
        return;
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(shownOn, m_edited);
    settings.save();
}

}  // namespace korvel
