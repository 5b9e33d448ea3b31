#include "admin/ui/KVScreenSaverSettingsViewController.h"

#include "browser/ScreensaverSource.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "settings/ShownText.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

namespace {

enum Row { EnableRow = 1, SourceRow, ChooseRow };

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
    connect(m_table, &TableView::switchToggled, this, [this](int id, bool on) {
        if (id == EnableRow)
            m_enabled = on;
    });
    connect(m_table, &TableView::textChanged, this, [this](int id, const QString& text) {
        if (id != SourceRow)
            return;
        m_source = text.trimmed();
        // Only the footer changes: the field keeps the focus while typing.
        if (TableCell* cell = m_table->cellWithId(SourceRow); cell && cell->detailLabel())
            cell->detailLabel()->setText(kindText(m_source));
    });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int id) {
        if (id == ChooseRow)
            chooseFile();
    });
}

void KVScreenSaverSettingsViewController::viewDidLoad()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    m_enabled = p.enableScreenSaver;
    m_source = p.screenSaverURL;
}

void KVScreenSaverSettingsViewController::viewWillAppear(bool animated)
{
    // Also on the way back from the file picker: what is being edited stays.
    Screen::viewWillAppear(animated);
    reload();
}

void KVScreenSaverSettingsViewController::reload()
{
    TableRow enable;
    enable.id = EnableRow;
    enable.title = shownTitle("EnableScreenSaver");
    enable.detail = shownDetail("EnableScreenSaver");
    enable.accessory = Accessory::Switch;
    enable.checked = m_enabled;
    TableRow source;
    source.id = SourceRow;
    source.title = shownTitle("ScreenSaver");
    source.accessory = Accessory::TextField;
    source.text = m_source;
    source.placeholder = shownDetail("ScreenSaver");
    source.detail = kindText(m_source);
    TableRow choose;
    choose.id = ChooseRow;
    //% "Choose a File"
    choose.title = qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE");
    //% "An image, video or page in the documents folder"
    choose.detail = qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL");
    choose.accessory = Accessory::Disclosure;
    //% "Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page."
    const QString naming = qtTrId("TEXT_SCREENSAVER_NAMING");
    m_table->setSections({TableSection{QString(), QString(), {enable}}, TableSection{QString(), naming, {source, choose}}});
}

void KVScreenSaverSettingsViewController::viewWillDisappear(bool animated)
{
    Screen::viewWillDisappear(animated);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.enableScreenSaver = m_enabled;
    settings.kvBrowPref.screenSaverURL = m_source;
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
    m_source = picker->fileSelected();
    reload();
}

}  // namespace korvel
