#include "admin/ui/KVNavigationToolbarTableViewController.h"

#include "admin/FilePickerLists.h"
#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;

constexpr int buttonCount = 5;

// A row's translated title or subtitle, from the preference the schema shows there.
QString shown(int section, int row, QString (*text)(const P::Field&))
{
    const P::Field* f = P::fieldAt(P::Screens::navigationToolbar, section, row);
    return f ? text(*f) : QString();
}

bool P::*buttonField(int index)
{
    static bool P::*const fields[] = {&P::enableRefreshButton, &P::enableForwardButton, &P::enableHomeButton, &P::enableBackButton,
                                      &P::enablePrintButton};
    return fields[index];
}

QString P::*imageField(int index)
{
    static QString P::*const fields[] = {&P::refreshImage, &P::forwardImage, &P::homeImage, &P::backImage, &P::printImage, &P::toolbarImage};
    return fields[index];
}

constexpr int imageRows = 6;
constexpr int imageBase = 100;

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
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id >= imageBase)
            chooseImage(id);
    });
}

void KVNavigationToolbarTableViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    if (!m_table->sections().isEmpty())
        return;  // back from the picker: keep what is typed
    const P& p = KVSettings::getSettingsObject().kvBrowPref;
    //% "Buttons"
    TableSection buttons{qtTrId("SETTINGS_TOOLBAR_BUTTONS"), {}, {}};
    for (int i = 0; i < buttonCount; ++i) {
        TableRow row;
        row.id = i;
        row.title = shown(0, i, shownTitle);
        row.accessory = Accessory::Switch;
        row.checked = p.*buttonField(i);
        buttons.rows.append(row);
    }
    //% "Images in Documents; empty uses the built-in image. Tap a row to pick one."
    //% "Images"
    TableSection images{qtTrId("SETTINGS_TOOLBAR_IMAGES"), qtTrId("TEXT_TOOLBAR_IMAGES_FOOTER"), {}};
    for (int i = 0; i < imageRows; ++i) {
        TableRow row;
        row.id = imageBase + i;
        row.title = shown(1, i, shownTitle);
        row.detail = shown(1, i, shownDetail);
        row.accessory = Accessory::TextField;
        row.text = p.*imageField(i);
        //% "Default"
        row.placeholder = qtTrId("SETTINGS_DEFAULT");
        images.rows.append(row);
    }
    m_table->setSections({buttons, images});
    for (int i = 0; i < imageRows; ++i) {
        if (TableCell* cell = m_table->cellWithId(imageBase + i))
            connect(cell->textField(), &QLineEdit::editingFinished, this, [this, id = imageBase + i] { imageNameEnded(id); });
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
    for (int i = 0; i < buttonCount; ++i) {
        if (TableCell* cell = m_table->cellWithId(i); cell && cell->toggle())
            settings.kvBrowPref.*buttonField(i) = cell->toggle()->isChecked();
    }
    // A name that is no image is left out rather than breaking the toolbar.
    for (int i = 0; i < imageRows; ++i) {
        if (TableCell* cell = m_table->cellWithId(imageBase + i); cell && cell->textField() && OtherSettingsRules::isImageName(cell->textField()->text()))
            settings.kvBrowPref.*imageField(i) = cell->textField()->text();
    }
    settings.save();
}

}  // namespace korvel
