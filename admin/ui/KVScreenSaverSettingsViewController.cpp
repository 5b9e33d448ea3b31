#include "admin/ui/KVScreenSaverSettingsViewController.h"

#include "admin/ui/PreferenceRows.h"
#include "browser/ScreensaverSource.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
constexpr const char* shownOn = P::Screens::screensaver;
// Past the schema's rows (section * 100 + row).
constexpr int ChooseRow = 10000;

bool isSource(const P::Field* field)
{
    return field && field->member == P::Member(&P::screenSaverURL);
}

QString kindText(const QString& source)
{
    switch (ScreensaverSource::kind(source)) {
    case ScreensaverKind::None:
        //% "Nothing is shown: give a web address or choose a file."
        return qtTrId("TEXT_SCREENSAVER_SHOWS_NOTHING");
    case ScreensaverKind::Video:
        //% "Shown as a video, looping without sound."
        return qtTrId("TEXT_SCREENSAVER_SHOWS_VIDEO");
    case ScreensaverKind::Image:
        //% "Shown as an image over the whole screen."
        return qtTrId("TEXT_SCREENSAVER_SHOWS_IMAGE");
    case ScreensaverKind::WebPage:
        //% "Shown as a web page."
        return qtTrId("TEXT_SCREENSAVER_SHOWS_PAGE");
    }
    return QString();
}

}  // namespace

KVScreenSaverSettingsViewController::KVScreenSaverSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    //% "Screensaver Mode"
    setTitle(qtTrId("SETTINGS_SCREEN_SCREENSAVER"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    PreferenceRows::follow(m_table, shownOn, &m_edited, [this](int id, const QVariant& control) {
        if (!isSource(PreferenceRows::fieldOf(shownOn, id)))
            return false;
        m_edited.screenSaverURL = control.toString().trimmed();
        // Only the line under the field changes: the field keeps the focus while typing.
        if (TableCell* cell = m_table->cellWithId(id); cell && cell->detailLabel())
            cell->detailLabel()->setText(kindText(m_edited.screenSaverURL));
        return true;
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == ChooseRow)
            chooseFile();
    });
}

void KVScreenSaverSettingsViewController::viewDidLoad()
{
    m_edited = KVSettings::getSettingsObject().kvBrowPref;
}

void KVScreenSaverSettingsViewController::viewWillAppear(bool animated)
{
    // Also on the way back from the file picker: what is being edited stays.
    Screen::viewWillAppear(animated);
    reload();
}

void KVScreenSaverSettingsViewController::reload()
{
    QList<TableSection> sections = PreferenceRows::sections(shownOn, m_edited, [this](const P::Field& field, QList<TableRow>& rows) {
        if (!isSource(&field))
            return;
        rows.first().placeholder = rows.first().detail;
        rows.first().detail = kindText(m_edited.screenSaverURL);
        TableRow choose;
        choose.id = ChooseRow;
        //% "Choose a File"
        choose.title = qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE");
        //% "An image, video or page in the documents folder"
        choose.detail = qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL");
        choose.accessory = Accessory::Disclosure;
        rows << choose;
    });
    //% "Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page."
    sections.last().footer = qtTrId("TEXT_SCREENSAVER_NAMING");
    m_table->setSections(sections);
}

void KVScreenSaverSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.takeShownOn(shownOn, m_edited);
    settings.save();
}

void KVScreenSaverSettingsViewController::chooseFile()
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    auto* picker = new KVFilePickerController;
    picker->setDelegate(this);
    stack->present(KVFilePickerController::inOwnStack(picker), NavigationStack::Animation::Animated);
}

void KVScreenSaverSettingsViewController::filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction)
{
    if (didFinishSelectingFileWithAction != 1)
        return;
    const QString type = picker->selectedFileType();
    if (type != QLatin1String("Image Files") && type != QLatin1String("Video Files") && type != QLatin1String("HTML Files")) {
        ToastOptions options;
        //% "Invalid File!"
        options.title = qtTrId("SETTINGS_INVALID_FILE");
        //% "Please select a valid Image/Video/HTML file"
        makeToast(this, qtTrId("SETTINGS_SELECT_VALID_SCREENSAVER_FILE"), options);
        return;
    }
    m_edited.screenSaverURL = picker->fileSelected();
    reload();
}

}  // namespace korvel
