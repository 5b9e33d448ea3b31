#include "admin/ui/KVBrowserPreferences.h"

#include "admin/AdminPassword.h"
#include "admin/FilePickerLists.h"
#include "admin/ui/KVNavigationToolbarTableViewController.h"
#include "admin/ui/KVSearchSettingsViewController.h"
#include "admin/ui/KVSpecialLinksViewController.h"
#include "admin/ui/KVUserAgentsViewController.h"
#include "admin/ui/LanguageScreen.h"
#include "admin/ui/PreferenceRows.h"
#include "admin/ui/KVWkWebviewSettingsController.h"
#include "admin/ui/UploadServerAddressScreen.h"
#include "admin/ui/KVMotionDetectionSettingsViewController.h"
#include "browser/DailyRestart.h"
#include "admin/ui/KVPowerSaverSettingsViewController.h"
#include "admin/ui/KVScreenSaverSettingsViewController.h"
#include "admin/ui/KVPDFViewerSettingsViewController.h"
#include "log/KVLog.h"
#include "platform/Device.h"
#include "platform/FormatString.h"
#include "platform/Languages.h"
#include "platform/Translations.h"
#include "platform/UserDefaults.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/ToggleSwitch.h"
#include "policy/IconLayout.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
using S = KVBrowserPreferences;

// Rows by place: the schema's rows that need more than their control, and the rows that open
// another screen or act, in the places the schema leaves free.
constexpr int PasswordRow = S::id(S::AdminSection, 0);
constexpr int TapsRow = S::id(S::AdminSection, 1);
constexpr int RestrictRow = S::id(S::AdminSection, 3);
constexpr int RestrictMinutesRow = S::id(S::AdminSection, 4);
constexpr int IconResizeRow = S::id(S::AdminSection, 7);
constexpr int IconRelocationRow = S::id(S::AdminSection, 8);
constexpr int ResetIconsRow = S::id(S::AdminSection, 9);
constexpr int BrightnessRow = S::id(S::AdminSection, 10);
constexpr int UserAgentRow = S::id(S::AdminSection, 11);
constexpr int CustomHeaderRow = S::id(S::AdminSection, 14);
constexpr int MenuRow = S::id(S::WindowSection, 0);
constexpr int ConfigureToolbarRow = S::id(S::WindowSection, 1);
constexpr int ToolbarRow = S::id(S::WindowSection, 2);
constexpr int SpecialLinksRow = S::id(S::WindowSection, 3);
constexpr int PopupSameWindowRow = S::id(S::WindowSection, 6);
constexpr int InitialZoomRow = S::id(S::WindowSection, 9);
constexpr int OrientationRow = S::id(S::WindowSection, 13);
constexpr int TabbedBrowsingRow = S::id(S::WindowSection, 14);
constexpr int WallpaperRow = S::id(S::WallpaperSection, 0);
constexpr int WallpaperStyleRow = S::id(S::WallpaperSection, 1);
constexpr int IdleTimeoutRow = S::id(S::IdleSection, 0);
constexpr int GoHomeRow = S::id(S::IdleSection, 1);
constexpr int ScreenSaverRow = S::id(S::IdleSection, 2);
constexpr int PowerSaverRow = S::id(S::IdleSection, 3);
constexpr int MotionRow = S::id(S::IdleSection, 4);
constexpr int ServerRow = S::id(S::ServerSection, 0);
constexpr int PortRow = S::id(S::ServerSection, 1);
constexpr int AccessCodeRow = S::id(S::ServerSection, 2);
constexpr int OpenServerWarningRow = S::id(S::ServerSection, 3);
constexpr int ServerAddressRow = S::id(S::ServerSection, 4);
constexpr int ServerTlsRow = S::id(S::ServerSection, 5);
constexpr int GoogleDocsRow = S::id(S::FileSection, 0);
constexpr int PdfViewerRow = S::id(S::FileSection, 1);
constexpr int OpenAfterDownloadRow = S::id(S::DownloadSection, 1);
constexpr int KeepHistoryRow = S::id(S::DownloadSection, 2);
constexpr int MemoryLimitRow = S::id(S::RecoverySection, 0);
constexpr int RestartDailyRow = S::id(S::RecoverySection, 1);
constexpr int LanguageRow = S::id(S::LanguageSection, 0);

// The switches and the preference each one shows, by the preference's place.
bool P::*switchField(int rowId)
{
    const P::Field* f = P::fieldAt(P::Screens::browserPreferences, rowId / 100, rowId % 100);
    return f && std::holds_alternative<bool P::*>(f->member) ? std::get<bool P::*>(f->member) : nullptr;
}

std::optional<PreferenceNumber> numberOf(int rowId)
{
    switch (rowId) {
    case IdleTimeoutRow: return PreferenceNumber::IdleTimeout;
    case RestrictMinutesRow: return PreferenceNumber::PasswordTimeout;
    case TapsRow: return PreferenceNumber::NumberOfTaps;
    case PortRow: return PreferenceNumber::Port;
    case InitialZoomRow: return PreferenceNumber::Zoom;
    case MemoryLimitRow: return PreferenceNumber::RendererMemoryLimit;
    default: return std::nullopt;
    }
}

QString* numberText(BrowserPreferencesForm& form, PreferenceNumber number)
{
    switch (number) {
    case PreferenceNumber::IdleTimeout: return &form.idleTimeout;
    case PreferenceNumber::PasswordTimeout: return &form.passwordTimeout;
    case PreferenceNumber::NumberOfTaps: return &form.numberTaps;
    case PreferenceNumber::Port: return &form.port;
    case PreferenceNumber::Zoom: return &form.zoom;
    case PreferenceNumber::RendererMemoryLimit: return &form.memoryLimit;
    }
    return nullptr;
}

QString brightnessText(double value)
{
    //% "Current Brightness: %d %%"
    return formatString(qtTrId("SETTINGS_CURRENT_BRIGHTNESS"), int(std::lround(value * 100)));
}

}  // namespace

KVBrowserPreferences::KVBrowserPreferences(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("browserPreferences"));
    //% "Browser Preferences"
    setTitle(qtTrId("SETTINGS_SCREEN_BROWSER_PREFERENCES"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    connect(m_table, &TableView::switchToggled, this, &KVBrowserPreferences::switchValueChanged);
    connect(m_table, &TableView::textChanged, this, &KVBrowserPreferences::textChanged);
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int rowId) { didSelectRow(rowId); });
    connect(m_table, &TableView::segmentChanged, this, [this](int rowId, int index) {
        if (rowId == OrientationRow)
            m_form.values.browserOrientation = index;
        else if (rowId == WallpaperStyleRow)
            m_form.values.wallpaperStyle = index;
    });
    connect(m_table, &TableView::sliderChanged, this, [this](int rowId, double value) {
        if (rowId != BrightnessRow)
            return;
        // The brightness acts at once, as the administrator judges it by eye.
        m_form.values.brightness = float(value);
        Device::current().setScreenBrightness(value);
        if (TableCell* cell = m_table->cellWithId(BrightnessRow))
            cell->detailLabel()->setText(brightnessText(value));
    });
}

QLineEdit* KVBrowserPreferences::field(int rowId) const
{
    TableCell* cell = m_table->cellWithId(rowId);
    return cell ? cell->textField() : nullptr;
}

void KVBrowserPreferences::setScrollToIndexPath(int section, int row)
{
    m_scrollTo = id(section, row);
}

void KVBrowserPreferences::viewDidLoad()
{
    //% "Back"
    setLeftBarButton(BarButton{qtTrId("TEXT_BACK"), [this] { goBack(); }, {}});
}

void KVBrowserPreferences::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    m_leaving = false;
    loadSettingsOfBrowserPreferences();
}

void KVBrowserPreferences::viewDidAppear(bool)
{
    if (m_scrollTo < 0)
        return;
    // The rows were just built: their places are known once the pending layouts have run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (TableCell* cell = m_table->cellWithId(m_scrollTo)) {
        if (auto* scroll = m_table->findChild<QScrollArea*>())
            scroll->ensureWidgetVisible(cell, 0, cell->height());
    }
    m_scrollTo = -1;
}

void KVBrowserPreferences::loadSettingsOfBrowserPreferences()
{
    const KVBrowserPrefSettings& record = KVSettings::getSettingsObject().kvBrowPref;
    m_form = BrowserPreferencesForm::fromRecord(record);
    // Tabbed browsing lays the icons out itself.
    if (m_form.values.useMultiTab)
        m_form.values.allowResize = m_form.values.allowDragDrop = false;
    m_opened = m_form;
    UploadServerControl* server = ImportExport::serverControl();
    if (!m_form.values.serverSwitchOnOFF)
        //% "Server is OFF"
        m_serverDetail = qtTrId("SETTINGS_SERVER_OFF");
    else if (std::optional<QUrl> address = server && server->isServerRunning() ? server->documentAddress(QString()) : std::nullopt)
        //% "Server Running on: %@:%ld"
        m_serverDetail = formatString(qtTrId("SETTINGS_SERVER_RUNNING_ON"), address->host(), qint64(address->port()));
    else
        m_serverDetail = QString();
    showRows();
}

void KVBrowserPreferences::showRows()
{
    const P& v = m_form.values;
    const auto link = [](int rowId, const QString& title, const QString& detail = QString()) {
        TableRow row;
        row.id = rowId;
        row.title = title;
        row.detail = detail;
        row.accessory = Accessory::Disclosure;
        return row;
    };
    // The rows that open another screen or act sit in the places the schema leaves free.
    const auto adjust = [&](const P::Field&, QList<TableRow>& rows) {
        TableRow& row = rows.first();
        if (std::optional<PreferenceNumber> number = numberOf(row.id))
            row.text = *numberText(m_form, *number);  // as typed
        switch (row.id) {
        case TapsRow: {
            //% "Administrator Password"
            TableRow password;
            password.id = PasswordRow;
            password.title = qtTrId("TEXT_ADMIN_PASSWORD");
            password.accessory = Accessory::TextField;
            password.text = m_form.password;
            password.secure = true;
            //% "Unchanged"
            password.placeholder = qtTrId("TEXT_PASSWORD_UNCHANGED");
            rows.prepend(password);
            break;
        }
        case IconRelocationRow:
            //% "Reset Icon Layout"
            rows << link(ResetIconsRow, qtTrId("SETTINGS_RESET_ICON_LAYOUT"));
            break;
        case BrightnessRow:
            row.detail = brightnessText(v.brightness);
            break;
        case UserAgentRow:
            //% "Default"
            row = link(UserAgentRow, row.title, v.userAgents.isEmpty() || v.userAgents == QLatin1String("Default") ? qtTrId("SETTINGS_DEFAULT") : v.userAgents);
            row.detailStyle = DetailStyle::Value;
            break;
        case MenuRow:
            //% "Configure Navigation Toolbar"
            //% "Tap to configure the toolbar."
            rows << link(ConfigureToolbarRow, qtTrId("SETTINGS_SCREEN_NAVIGATION_TOOLBAR"), qtTrId("SETTINGS_CONFIGURE_TOOLBAR_DETAIL"));
            break;
        case ToolbarRow:
            //% "Tap to configure special links."
            //% "Enable Special Links"
            rows << link(SpecialLinksRow, qtTrId("SETTINGS_SCREEN_SPECIAL_LINKS"), qtTrId("TEXT_SPECIAL_LINKS_DETAIL"));
            break;
        case OrientationRow:
            //% "Configure Tabbed Browsing"
            rows << link(TabbedBrowsingRow, qtTrId("TEXT_CONFIGURE_TABBED_BROWSING"));
            break;
        case WallpaperRow:
            //% "<enter file name in documents directory>"
            row.placeholder = qtTrId("SETTINGS_WALLPAPER_PLACEHOLDER");
            break;
        case GoHomeRow:
            //% "ScreenSaver Mode"
            //% "Tap to configure ScreenSaver on idletimeout"
            rows << link(ScreenSaverRow, qtTrId("SETTINGS_SCREENSAVER_MODE"), qtTrId("SETTINGS_SCREENSAVER_MODE_DETAIL"))
                 //% "Power Saver Mode"
                 //% "Tap to configure Power Saver on idletimeout"
                 << link(PowerSaverRow, qtTrId("SETTINGS_SCREEN_POWER_SAVER"), qtTrId("SETTINGS_POWER_SAVER_MODE_DETAIL"))
                 //% "Motion Detection Settings"
                 //% "Lock the screen while the device moves (devices with a mobile data modem)"
                 << link(MotionRow, qtTrId("TEXT_MOTION_DETECTION_SETTINGS"), qtTrId("TEXT_MOTION_DETECTION_DETAIL"));
            break;
        case ServerRow:
            row.detail = m_serverDetail;
            if (v.serverSwitchOnOFF && v.uploadAccessCode.isEmpty()) {
                //% "Anyone on this network can change the documents folder"
                //% "Set access code"
                TableRow warning = link(OpenServerWarningRow, qtTrId("TEXT_UPLOAD_SERVER_OPEN_WARNING"), qtTrId("TEXT_SET_ACCESS_CODE"));
                warning.image = QStringLiteral("open_server_warning");
                warning.destructive = true;
                rows << warning;
            }
            if (v.serverSwitchOnOFF) {
                //% "Open on a Phone"
                //% "The address as a QR code, and the certificate's fingerprint"
                rows << link(ServerAddressRow, qtTrId("TEXT_UPLOAD_SERVER_ON_A_PHONE"), qtTrId("TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL"));
            }
            break;
        case GoogleDocsRow:
            rows << link(PdfViewerRow, qtTrId("PDF_VIEWER"), qtTrId("CHANGE_PDF_VIEWER_SETTINGS"));
            break;
        case LanguageRow:
            row = link(LanguageRow, qtTrId("APP_LANGUAGE"), Languages::nativeName(Translations::installedLocale().name()));
            row.detailStyle = DetailStyle::Value;
            break;
        default:
            break;
        }
    };
    QList<TableSection> sections = PreferenceRows::sections(P::Screens::browserPreferences, v, adjust);
    const QString headers[] = {
        //% "Browser Admin Settings"
        qtTrId("SETTINGS_SECTION_ADMIN"),
        //% "Privacy Settings"
        qtTrId("SETTINGS_SECTION_PRIVACY"),
        //% "Browser Window Settings"
        qtTrId("SETTINGS_SECTION_WINDOW"),
        //% "Wallpaper Settings"
        qtTrId("SETTINGS_SECTION_WALLPAPER"),
        //% "Idle Timeout Settings"
        qtTrId("SETTINGS_SECTION_IDLE"),
        //% "Server Settings"
        qtTrId("SETTINGS_SECTION_SERVER"),
        //% "File Settings"
        qtTrId("FILE_SETTINGS"),
        //% "Download Settings"
        qtTrId("DOWNLOADS"),
        //% "Recovery"
        qtTrId("TEXT_RECOVERY_SETTINGS"),
        qtTrId("APP_LANGUAGE"),
    };
    for (qsizetype i = 0; i < sections.size() && i < qsizetype(std::size(headers)); ++i)
        sections[i].header = headers[i];
    // The language first, where someone who cannot read the others looks.
    if (sections.size() > LanguageSection)
        sections.move(LanguageSection, 0);
    m_table->setSections(sections);
    for (int rowId : {IdleTimeoutRow, RestrictMinutesRow, TapsRow, PortRow, InitialZoomRow, MemoryLimitRow}) {
        if (QLineEdit* f = field(rowId)) {
            f->setInputMethodHints(Qt::ImhDigitsOnly);
            connect(f, &QLineEdit::editingFinished, this, [this, rowId] { textFieldShouldEndEditing(rowId); });
        }
    }
    if (QLineEdit* f = field(PasswordRow))
        connect(f, &QLineEdit::returnPressed, this, [this] { passwordReturned(); });
    if (QLineEdit* f = field(AccessCodeRow))
        connect(f, &QLineEdit::editingFinished, this, [this] { accessCodeChosen(); });
    if (QLineEdit* f = field(RestartDailyRow)) {
        f->setPlaceholderText(QStringLiteral("03:30"));
        connect(f, &QLineEdit::editingFinished, this, [this, f] {
            if (m_leaving || f->text().isEmpty() || DailyRestart::parse(f->text()))
                return;
            //% "Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart."
            makeToast(this, qtTrId("TEXT_RESTART_DAILY_AT_INVALID"));
            f->setText(m_opened.values.restartDailyAt);
            m_form.values.restartDailyAt = m_opened.values.restartDailyAt;
        });
    }
    applyRowStates();
}

void KVBrowserPreferences::refreshRowsLater()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            auto* scroll = m_table->findChild<QScrollArea*>();
            const int at = scroll ? scroll->verticalScrollBar()->value() : 0;
            showRows();
            if (scroll) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                scroll->verticalScrollBar()->setValue(at);
            }
        },
        Qt::QueuedConnection);
}

void KVBrowserPreferences::accessCodeChosen()
{
    QLineEdit* f = field(AccessCodeRow);
    if (!f || m_leaving)
        return;
    m_form.values.uploadAccessCode = f->text();
    KVSettings& settings = KVSettings::getSettingsObject();
    if (settings.kvBrowPref.uploadAccessCode == m_form.values.uploadAccessCode)
        return;
    settings.kvBrowPref.uploadAccessCode = m_form.values.uploadAccessCode;
    KVLog(QStringLiteral("App General"), QStringLiteral("Upload Access Code set: %@"),
          m_form.values.uploadAccessCode.isEmpty() ? QStringLiteral("No") : QStringLiteral("Yes"));
    if (!settings.save())
        //% "The settings could not be saved."
        makeToast(this, qtTrId("SETTINGS_NOT_SAVED"));
    refreshRowsLater();
}

void KVBrowserPreferences::tlsOnOff(bool on)
{
    m_form.values.uploadServerTLS = on;
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.uploadServerTLS = on;
    KVLog(QStringLiteral("App General"), QStringLiteral("Upload Server HTTPS set: %@"), on ? QStringLiteral("Yes") : QStringLiteral("No"));
    if (!settings.save())
        makeToast(this, qtTrId("SETTINGS_NOT_SAVED"));
}

void KVBrowserPreferences::applyRowStates()
{
    const PreferenceRowStates states = BrowserPreferencesRules::rowStates(m_form.values);
    const auto enable = [this](int rowId, bool on) {
        if (TableCell* cell = m_table->cellWithId(rowId))
            cell->setEnabled(on);
    };
    enable(RestrictMinutesRow, states.passwordTimeout);
    enable(CustomHeaderRow, states.customUserAgentHeader);
    enable(PopupSameWindowRow, states.popupInSameWindow);
    enable(IconResizeRow, states.iconResizeAndRelocation);
    enable(IconRelocationRow, states.iconResizeAndRelocation);
    enable(OpenAfterDownloadRow, states.downloadFollowUps);
    enable(KeepHistoryRow, states.downloadFollowUps);
    enable(PortRow, states.port);
    for (int rowId : {OpenAfterDownloadRow, KeepHistoryRow}) {
        if (TableCell* cell = m_table->cellWithId(rowId))
            cell->detailLabel()->setText(states.downloadFollowUps ? cell->row().detail : qtTrId("ALLOW_DOWNLOADS_SHOULD_BE_ENABLED"));
    }
}

void KVBrowserPreferences::switchValueChanged(int rowId, bool on)
{
    bool P::*field = switchField(rowId);
    if (!field)
        return;
    switch (rowId) {
    case ToolbarRow:
        BrowserPreferencesRules::setToolbar(m_form.values, on);
        break;
    case MenuRow:
        BrowserPreferencesRules::setMenu(m_form.values, on);
        break;
    case ServerRow:
        serverOnOff(on);
        return;
    case ServerTlsRow:
        tlsOnOff(on);
        return;
    case RestrictRow:
        m_form.values.restrictSettings = on;
        KVLog(QStringLiteral("App General"), on ? QStringLiteral("Restrict Settings ON") : QStringLiteral("Restrict Settings OFF"));
        if (!on) {
            if (QLineEdit* minutes = this->field(RestrictMinutesRow))
                minutes->clearFocus();
        }
        break;
    default:
        m_form.values.*field = on;
        break;
    }
    // The other of toolbar and menu follows without rebuilding the table.
    for (int other : {ToolbarRow, MenuRow}) {
        if (TableCell* cell = m_table->cellWithId(other); cell && cell->toggle() && cell->toggle()->isChecked() != m_form.values.*switchField(other)) {
            const QSignalBlocker quiet(cell->toggle());
            cell->toggle()->setChecked(m_form.values.*switchField(other));
        }
    }
    applyRowStates();
}

void KVBrowserPreferences::textChanged(int rowId, const QString& text)
{
    if (std::optional<PreferenceNumber> number = numberOf(rowId))
        *numberText(m_form, *number) = text;
    else if (rowId == PasswordRow) {
        m_form.password = text;
        m_weakPasswordAccepted = false;
    } else if (rowId == CustomHeaderRow)
        m_form.values.customUserAgentHeader = text;
    else if (rowId == WallpaperRow)
        m_form.values.wallpaper = text;
    else if (rowId == AccessCodeRow)
        m_form.values.uploadAccessCode = text;
    else if (rowId == RestartDailyRow)
        m_form.values.restartDailyAt = text.trimmed();
}

bool KVBrowserPreferences::textFieldShouldEndEditing(int rowId)
{
    const std::optional<PreferenceNumber> number = numberOf(rowId);
    QLineEdit* f = field(rowId);
    if (!number || !f || m_leaving)
        return true;
    if (BrowserPreferencesRules::accept(*number, f->text()))
        return true;
    const PreferenceNumberRule rule = BrowserPreferencesRules::rule(*number);
    f->setText(QString::number(rule.fallback));
    makeToast(this, rule.message);
    f->setFocus();
    return false;
}

Alert* KVBrowserPreferences::passwordReturned()
{
    if (m_form.password.isEmpty() || m_weakPasswordAccepted || BrowserPreferencesRules::isStrongPassword(m_form.password)) {
        if (QLineEdit* f = field(PasswordRow))
            f->clearFocus();
        return nullptr;
    }
    if (m_question)
        return m_question;
    auto* alert = new Alert(qtTrId("TEXT_PASSWORD_ALERT_HEADING"),
                            formatString(QStringLiteral("\n• %@ \n• %@ \n%@"), qtTrId("TEXT_PASSWORD_COMMENT"), qtTrId("TEXT_PASSWORD_COMMENT_ONE"),
                                         qtTrId("TEXT_PASSWORD_QUESTION")));
    const QPointer<KVBrowserPreferences> self(this);
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Default, [self](Alert&) {
        if (!self)
            return;
        self->m_weakPasswordAccepted = true;
        if (QLineEdit* f = self->field(PasswordRow))
            f->clearFocus();
    });
    alert->addButton(qtTrId("TEXT_NO"), Alert::Role::Cancel, [self](Alert&) {
        if (self) {
            if (QLineEdit* f = self->field(PasswordRow))
                f->setFocus();
        }
    });
    m_question = alert;
    alert->showOver(this);
    return alert;
}

Alert* KVBrowserPreferences::goBack()
{
    const bool weak = !m_form.password.isEmpty() && !m_weakPasswordAccepted && !BrowserPreferencesRules::isStrongPassword(m_form.password);
    if (weak) {
        Alert* question = passwordReturned();
        const QPointer<KVBrowserPreferences> self(this);
        // "Yes" accepts the password and goes back, as the administrator asked.
        connect(question, &Alert::finished, this, [self](int button) {
            if (self && button == 0)
                self->leave();
        });
        return question;
    }
    leave();
    return nullptr;
}

void KVBrowserPreferences::leave()
{
    if (NavigationStack* stack = navigationStack(); stack && stack->topScreen() == this)
        stack->pop(Animation::Animated);
}

void KVBrowserPreferences::setServerDetail(const QString& text)
{
    m_serverDetail = text;
    if (TableCell* cell = m_table->cellWithId(ServerRow))
        cell->detailLabel()->setText(text);
}

void KVBrowserPreferences::serverOnOff(bool on)
{
    UploadServerControl* server = ImportExport::serverControl();
    TableCell* cell = m_table->cellWithId(ServerRow);
    if (on) {
        KVLog(QStringLiteral("App General"), QStringLiteral("Server Switched ON"));
        const std::optional<qint32> port = BrowserPreferencesRules::accept(PreferenceNumber::Port, m_form.port);
        if (!port) {
            m_form.port = QStringLiteral("8080");
            if (QLineEdit* f = field(PortRow))
                f->setText(m_form.port);
            makeToast(this, BrowserPreferencesRules::rule(PreferenceNumber::Port).message);
            if (cell && cell->toggle()) {
                const QSignalBlocker quiet(cell->toggle());
                cell->toggle()->setChecked(false);
            }
            m_form.values.serverSwitchOnOFF = false;
            applyRowStates();
            return;
        }
        m_form.values.serverSwitchOnOFF = true;
        bool running = false;
        if (server) {
            if (server->isServerRunning())
                server->stopServerConnection();
            running = server->startServerConnectionWith(*port);
        }
        KVLog(QStringLiteral("App General"), QStringLiteral("Server Running Successfully: %@"), running ? QStringLiteral("Yes") : QStringLiteral("No"));
        const std::optional<QUrl> address = running ? server->documentAddress(QString()) : std::nullopt;
        if (address) {
            //% "Running on URL: %@:%ld"
            setServerDetail(formatString(qtTrId("SETTINGS_SERVER_RUNNING_ON_URL"), address->host(), qint64(address->port())));
        } else {
            //% "Error running the server"
            setServerDetail(qtTrId("SETTINGS_SERVER_ERROR"));
            //% "Local ip could not be retrieved. Please check your wifi settings."
            makeToast(this, running ? qtTrId("SETTINGS_SERVER_NO_ADDRESS")
                                    //% "Error running server. Please switch on/off again"
                                    : qtTrId("SETTINGS_SERVER_RESTART"));
        }
    } else {
        m_form.values.serverSwitchOnOFF = false;
        if (server && server->isServerRunning()) {
            server->stopServerConnection();
            KVLog(QStringLiteral("App General"), QStringLiteral("Server Switchd OFF"));
        }
        setServerDetail(qtTrId("SETTINGS_SERVER_OFF"));
    }
    // The switch's state is the record's at once, so a restart follows what was chosen.
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.serverSwitchOnOFF = m_form.values.serverSwitchOnOFF;
    settings.kvBrowPref.port = BrowserPreferencesRules::accept(PreferenceNumber::Port, m_form.port).value_or(settings.kvBrowPref.port);
    settings.save();
    applyRowStates();
    refreshRowsLater();
}

Alert* KVBrowserPreferences::showResetIconLayout()
{
    //% "Do you want to reset the icon layout on Korvel HomeScreen ?"
    auto* alert = new Alert(qtTrId("SETTINGS_RESET_ICON_LAYOUT"), qtTrId("SETTINGS_RESET_ICON_LAYOUT_QUESTION"));
    const QPointer<KVBrowserPreferences> self(this);
    //% "Yes"
    alert->addButton(qtTrId("TEXT_YES"), Alert::Role::Destructive, [self](Alert&) {
        const EditOutcome outcome = IconLayout::reset(KVSettings::getSettingsObject(), UserDefaults::standard());
        if (self)
            //% "Icon Layout set to default"
            makeToast(self, outcome.done() ? qtTrId("SETTINGS_ICON_LAYOUT_RESET") : outcome.message);
    });
    //% "Cancel"
    alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    alert->showOver(this);
    return alert;
}

void KVBrowserPreferences::didSelectRow(int rowId)
{
    NavigationStack* stack = navigationStack();
    if (!stack || stack->topScreen() != this)
        return;
    switch (rowId) {
    case ResetIconsRow:
        showResetIconLayout();
        break;
    case OpenServerWarningRow:
        // One tap: the code's field, ready for typing.
        if (TableCell* cell = m_table->cellWithId(AccessCodeRow)) {
            if (auto* scroll = m_table->findChild<QScrollArea*>())
                scroll->ensureWidgetVisible(cell, 0, cell->height());
            cell->textField()->setFocus(Qt::TabFocusReason);
        }
        break;
    case ServerAddressRow:
        stack->push(new UploadServerAddressScreen, Animation::Animated);
        break;
    case ConfigureToolbarRow:
        if (!m_form.values.enableToolBar) {
            //% "Enable 'Show Navigation Toolbar' to configure."
            auto* alert = new Alert(qtTrId("SETTINGS_ENABLE_TOOLBAR_FIRST"));
            //% "OK"
            alert->addButton(qtTrId("SETTINGS_OK"));
            alert->showOver(this);
            break;
        }
        stack->push(new KVNavigationToolbarTableViewController, Animation::Animated);
        break;
    case SpecialLinksRow:
        stack->push(new KVSpecialLinksViewController, Animation::Animated);
        break;
    case TabbedBrowsingRow:
        stack->push(new KVWkWebviewSettingsController, Animation::Animated);
        break;
    case UserAgentRow:
        stack->push(new KVUserAgentsViewController, Animation::Animated);
        break;
    case ScreenSaverRow:
        stack->push(new KVScreenSaverSettingsViewController, Animation::Animated);
        break;
    case PowerSaverRow:
        stack->push(new KVPowerSaverSettingsViewController, Animation::Animated);
        break;
    case MotionRow:
        stack->push(new KVMotionDetectionSettingsViewController, Animation::Animated);
        break;
    case PdfViewerRow:
        stack->push(KVSearchSettingsViewController::pdfViewerSettings(), Animation::Animated);
        break;
    case WallpaperRow:
        chooseWallpaper();
        break;
    case LanguageRow:
        stack->push(new LanguageScreen, Animation::Animated);
        break;
    default:
        break;
    }
}

void KVBrowserPreferences::chooseWallpaper()
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    auto* picker = new KVFilePickerController;
    picker->setDelegate(this);
    stack->present(KVFilePickerController::inOwnStack(picker), Animation::Animated);
}

void KVBrowserPreferences::filePicker(KVFilePickerController* picker, int action)
{
    if (action != 1)
        return;
    if (picker->selectedFileType() != FilePickerLists::title(FileGroup::Image)) {
        //% "Please select a valid file"
        makeToast(this, qtTrId("SETTINGS_SELECT_VALID_FILE"),
                  //% "Invalid File!"
                  {std::chrono::seconds(2), ToastPosition::Center, qtTrId("SETTINGS_INVALID_FILE"), {}});
        return;
    }
    m_form.values.wallpaper = picker->fileSelected();
    if (QLineEdit* f = field(WallpaperRow))
        f->setText(m_form.values.wallpaper);
}

void KVBrowserPreferences::viewWillDisappear(bool)
{
    // The file picker is presented over the editor: the editor stays, nothing to write yet.
    if (NavigationStack* stack = navigationStack(); stack && stack->presentedScreen())
        return;
    m_leaving = true;
    KVSettings& settings = KVSettings::getSettingsObject();
    const QStringList lines = BrowserPreferencesRules::writeBack(settings.kvBrowPref, m_opened, m_form);
    // A weak password counts only once the administrator said yes to it; one left unanswered
    // (the menu's "Done", a sub-screen) is dropped. AdminPassword logs "Password Changed" itself.
    const bool acceptable = m_weakPasswordAccepted || BrowserPreferencesRules::isStrongPassword(m_form.password);
    if (!m_form.password.isEmpty() && acceptable && AdminPassword::change(m_form.password, m_form.password) == PasswordChange::Changed)
        m_weakPasswordAccepted = false;
    m_form.password.clear();
    for (const QString& line : lines)
        KVLog(QStringLiteral("Settings"), line);
    if (!settings.save())
        makeToast(nullptr, qtTrId("SETTINGS_NOT_SAVED"));
}

}  // namespace korvel
