#include "admin/ui/KVNavigationToolbarTableViewController.h"

#include "admin/FilePickerLists.h"
#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;

const QStringList buttonNames{QStringLiteral("Refresh"), QStringLiteral("Forward"), QStringLiteral("Home"), QStringLiteral("Back"),
                              QStringLiteral("Print")};

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
    setTitle(SettingsSearch::navigationToolbar());
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
    TableSection buttons{QStringLiteral("Buttons"), {}, {}};
    for (int i = 0; i < buttonNames.size(); ++i) {
        TableRow row;
        row.id = i;
        row.title = QStringLiteral("Show %1 Button").arg(buttonNames.at(i));
        row.accessory = Accessory::Switch;
        row.checked = p.*buttonField(i);
        buttons.rows.append(row);
    }
    //% "Images in Documents; empty uses the built-in image. Tap a row to pick one."
    TableSection images{QStringLiteral("Images"), qtTrId("TEXT_TOOLBAR_IMAGES_FOOTER"), {}};
    for (int i = 0; i < imageRows; ++i) {
        TableRow row;
        row.id = imageBase + i;
        row.title = i < buttonNames.size() ? QStringLiteral("%1 Button Image").arg(buttonNames.at(i)) : QStringLiteral("Toolbar Background");
        row.detail = i < buttonNames.size() ? QStringLiteral("Image used to show %1 Button. Recommended size: 44*44").arg(buttonNames.at(i))
                                            : QStringLiteral("Image for Navigation Toolbar Background");
        row.accessory = Accessory::TextField;
        row.text = p.*imageField(i);
        row.placeholder = QStringLiteral("Default");
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
    makeToast(this, QStringLiteral("Please check and try again"), {std::chrono::seconds(2), ToastPosition::Top, QStringLiteral("Invalid Image File!"), {}});
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
        makeToast(this, QStringLiteral("Please select a valid image file"),
                  {std::chrono::seconds(2), ToastPosition::Top, QStringLiteral("Invalid Image File!"), {}});
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
    for (int i = 0; i < buttonNames.size(); ++i) {
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
