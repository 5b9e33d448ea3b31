#include "settings/KVBrowserPrefSettings.h"

#include "platform/Device.h"
#include "platform/UserDefaults.h"
#include "settings/PlistValue.h"
#include "settings/PreferenceText.h"

#include <QHash>
#include <QRegularExpression>

#include <QtGlobal>

#include <algorithm>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
using T = KVBrowserPrefSettings::FieldType;
using Screens = KVBrowserPrefSettings::Screens;

constexpr const char* bp = Screens::browserPreferences;
constexpr const char* advanced = Screens::advancedSettings;
constexpr const char* links = Screens::specialLinks;
constexpr const char* tabs = Screens::multiTab;
constexpr const char* saver = Screens::screensaver;
constexpr const char* power = Screens::powerSaver;
constexpr const char* motion = Screens::motion;
constexpr const char* pdf = Screens::pdfViewer;
constexpr const char* toolbar = Screens::navigationToolbar;

QString presentBrightness()
{
    return QString::number(Device::current().screenBrightness(), 'g', 17);
}

// One row per preference: key, type, member, what it does, values it takes (all, typed), then its
// factory value, the names of its values and where the settings show it.

const P::Field fieldTable[] = {
    P::Field{"RefreshOnError", T::Bool, &P::enableRefreshOnError, "After a load error, retry the page that failed rather than the website's start page"}.shownAt({bp, 2, 12, "Refresh Current Page on Recovering from Error"}),
    P::Field{"CopyPaste", T::Bool, &P::enableCopyPaste, "Let visitors copy and paste text in pages"}.byDefault("true").shownAt({bp, 2, 7, "Enable Copy Paste"}),
    P::Field{"PhoneLinks", T::Bool, &P::enablePhoneLinks, "Telephone, mail and message links: on, only logged (the kiosk hands no link to another application, so nothing calls); off, refused like any unlisted address"}.byDefault("true").shownAt({links, 0, 0, "Phone Numbers", "This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application."}),
    P::Field{"PrintLinks", T::Bool, &P::enablePrintLinks, "Let pages print (their print command and print links)"}.byDefault("true").shownAt({links, 0, 1, "Print Links", "A page's own print link prints the page."}),
    P::Field{"DrivingMode", T::Bool, &P::enableDrivingMode, "Lock the screen while the device moves (see MotionType)"}.shownAt({motion, 0, 0, "Motion Detection", "Lock the screen while the device moves (devices with a mobile data modem)"}),
    P::Field{"MotionType", T::Int, &P::motionType, "The motion that locks the screen", P::Range{0, 2}}.named("Walking|Running|Automotive").shownAt({motion, 0, 1, "Sensitivity"}),
    P::Field{"IdleTimeout", T::Int, &P::idleTimeout, "Seconds without a touch before the idle actions run; under 10 turns the idle timer off", P::Range{0, 59999}, P::Range{10, 59999}}.byDefault("10").shownAt({bp, 4, 0, "Idle Timeout (Seconds)"}),
    P::Field{"AllowAllWebsites", T::IntegerBool, &P::allowAllWebsites, "Allow every website except the blocked ones, instead of only the listed ones"}.shownAt({advanced, 0, 0, "Allow All Websites", "Every website except the blocked ones; the menu lists them"}),
    P::Field{"AllowContentBlocking", T::IntegerBool, &P::allowContentBlocking, "Refuse addresses that contain one of the blocked keywords"}.shownAt({advanced, 1, 0, "Enable Content Blocking", "Enable to allow content blocking"}),
    P::Field{"StrBlockedKeyWord", T::String, &P::strBlockedKeyWord, "The blocked keywords, separated by commas"}.shownAt({advanced, 1, 1, "Add keywords to block access", "Block sites containing the keywords"}),
    P::Field{"IgnoreSSLWarnings", T::Bool, &P::ignoreSslWarnings, "Open pages whose certificate is not trusted"}.shownAt({bp, 0, 5, "Ignore SSL Warnings"}),
    P::Field{"GoHomeOnNetworkGain", T::Bool, &P::goHomeOnNetworkGain, "Return to the start when the network comes back"}.shownAt({bp, 0, 6, "Go to Home on Network Gain"}),
    P::Field{"GoHomeOnIdleTimeout", T::Bool, &P::goHomeOnIdleTimeout, "Return to the start when the kiosk has been idle (see IdleTimeout)"}.shownAt({bp, 4, 1, "Go to Home", "Goto Home Screen on idletimeout"}),
    P::Field{"EnableMenu", T::Bool, &P::enableMenu, "Show the menu button in the browser toolbar"}.shownAt({bp, 2, 0, "Show Options Menu on Browser Screen"}),
    P::Field{"PrivateBrowsing", T::Bool, &P::privateBrowsing, "Keep nothing of a visitor (cookies, storage, cache) once they leave"}.shownAt({bp, 1, 0, "Clear Cookies on Home"}),
    P::Field{"OfflineCacheBrowsing", T::Bool, &P::offlineBrowsingCache, "Show pages from the cache while the network is down"}.shownAt({bp, 1, 1, "Clear App Cache on Home"}),
    P::Field{"PluginsEnable", T::Bool, &P::pluginsEnable, "Let pages use the engine's plug-ins (no effect here: no plug-in exists for this engine)"}.byDefault("true").shownAt({bp, 2, 16, "Enable Browser Plugins", "Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing."}),
    P::Field{"Wallpaper", T::String, &P::wallpaper, "Picture behind the home screen icons, a file in Documents"}.shownAt({bp, 3, 0, "Wallpaper"}),
    P::Field{"ZoomEnable", T::Bool, &P::zoomEnable, "Let visitors zoom pages"}.byDefault("true").shownAt({bp, 2, 8, "Enable Zoom"}),
    P::Field{"FullScreen", T::Bool, &P::fullScreen, "Cover the whole screen, without the status bar"}.byDefault("true").shownAt({bp, 2, 11, "Enable FullScreen"}),
    P::Field{"PreventSuspend", T::Bool, &P::preventSuspend, "Keep the display and the machine awake"}.byDefault("true").shownAt({bp, 0, 12, "Prevent Device Suspend"}),
    P::Field{"WallpaperStyle", T::Int, &P::wallpaperStyle, "How the wallpaper fills the screen", P::Range{0, 2}}.named("Center|Stretch|AspectFit").shownAt({bp, 3, 1, "Wallpaper Style"}),
    P::Field{"BrowserOrientation", T::Int, &P::browserOrientation, "Screen orientation", P::Range{0, 2}}.named("None|Landscape|Portrait").shownAt({bp, 2, 13, "Browser Orientation"}),
    P::Field{"PasswordTimeout", T::Int, &P::passwordTimeout, "Minutes after the start during which the settings gesture works (see RestrictSettings)", P::Range{1, 999}}.byDefault("1").shownAt({bp, 0, 4, "Restrict Settings after (Minutes)"}),
    P::Field{"RestrictSettings", T::Bool, &P::restrictSettings, "Let the settings gesture work only for a while after the start"}.shownAt({bp, 0, 3, "Restrict Korvel Settings Menu"}),
    P::Field{"UserAgents", T::String, &P::userAgents, "The browser identity pages see"}.byDefault("Default").shownAt({bp, 0, 11, "User Agent"}),
    P::Field{"MakeToast", T::Bool, &P::makeToast, "Tell visitors in a short message why an address was refused"}.byDefault("true").shownAt({bp, 2, 4, "Enable Toast Messages"}),
    P::Field{"EnableScreenSaver", T::Bool, &P::enableScreenSaver, "Show the screensaver when the kiosk is idle (see IdleTimeout)"}.shownAt({saver, 0, 0, "Enable ScreenSaver", "Starts after the idle timeout; any touch ends it."}),
    P::Field{"ScreenSaver", T::String, &P::screenSaverURL, "The screensaver: a video, a picture or a web address"}.shownAt({saver, 1, 0, "Show", "https://... or a file name"}),
    P::Field{"EnableToolBar", T::Bool, &P::enableToolBar, "Show the browser toolbar"}.byDefault("true").shownAt({bp, 2, 2, "Show Navigation Toolbar"}),
    P::Field{"NumberOfTaps", T::Int, &P::numberTaps, "Taps of the hidden gesture that opens the settings", P::Range{4, 40}}.byDefault("5").shownAt({bp, 0, 1, "Tap count", "Number of taps to access settings. Default 5."}),
    P::Field{"AccessDenied", T::Bool, &P::accessDenied, "Return to the start when a link leads to a blocked website"}.shownAt({bp, 0, 2, "Go to Home on Access Denied"}),
    P::Field{"ServerSwitch", T::Bool, &P::serverSwitchOnOFF, "Run the upload server on the local network"}.shownAt({bp, 5, 0, "Enable Upload Server"}),
    P::Field{"Port", T::Int, &P::port, "Port of the upload server", P::Range{1024, 65535}, P::Range{1025, 65535}}.byDefault("8080").shownAt({bp, 5, 1, "Run on Port"}),
    P::Field{"UploadAccessCode", T::String, &P::uploadAccessCode, "Code the upload page asks for; empty asks for none"}.shownAt({bp, 5, 2, "Upload Access Code", "Asked of every other device that uses the upload server; empty leaves it open."}),
    P::Field{"UploadServerTLS", T::Bool, &P::uploadServerTLS, "Serve the upload server over HTTPS with the device's own certificate"}.shownAt({bp, 5, 5, "Use HTTPS", "With the device's own certificate, which a phone checks by its fingerprint"}),
    P::Field{"Zoom", T::Int, &P::intZoom, "Initial zoom of pages in percent", P::Range{100, 999}}.byDefault("100").shownAt({bp, 2, 9, "Set Initial Zoom Level"}),
    P::Field{"Bounce", T::Bool, &P::bounceSwitch, "Let pages bounce when scrolled past their end (no effect with this engine)"}.byDefault("true").shownAt({bp, 2, 10, "WebView Bounce", "No effect on this device: the web engine scrolls pages without bouncing."}),
    P::Field{"AllowPopup", T::Bool, &P::allowPopup, "Let pages open new windows"}.shownAt({bp, 2, 5, "Allow Pop-Ups"}),
    P::Field{"AllowPopupInSameWindow", T::Bool, &P::allowPopupInSameWindow, "Open pages' new windows in the current window"}.shownAt({bp, 2, 6, "Show Pop-Ups in same window"}),
    P::Field{"EnableRefreshButton", T::Bool, &P::enableRefreshButton, "Show the reload button"}.byDefault("true").shownAt({toolbar, 0, 0, "Show Refresh Button"}),
    P::Field{"EnableHomeButton", T::Bool, &P::enableHomeButton, "Show the home button"}.byDefault("true").shownAt({toolbar, 0, 2, "Show Home Button"}),
    P::Field{"EnableBackButton", T::Bool, &P::enableBackButton, "Show the back button"}.byDefault("true").shownAt({toolbar, 0, 3, "Show Back Button"}),
    P::Field{"EnableForwardButton", T::Bool, &P::enableForwardButton, "Show the forward button"}.byDefault("true").shownAt({toolbar, 0, 1, "Show Forward Button"}),
    P::Field{"EnablePrintButton", T::Bool, &P::enablePrintButton, "Show the print button"}.shownAt({toolbar, 0, 4, "Show Print Button"}),
    P::Field{"RefreshImage", T::String, &P::refreshImage, "Picture of the reload button, a file in Documents"}.shownAt({toolbar, 1, 0, "Refresh Button Image", "Image used to show Refresh Button. Recommended size: 44*44"}),
    P::Field{"HomeImage", T::String, &P::homeImage, "Picture of the home button, a file in Documents"}.shownAt({toolbar, 1, 2, "Home Button Image", "Image used to show Home Button. Recommended size: 44*44"}),
    P::Field{"BackImage", T::String, &P::backImage, "Picture of the back button, a file in Documents"}.shownAt({toolbar, 1, 3, "Back Button Image", "Image used to show Back Button. Recommended size: 44*44"}),
    P::Field{"ForwardImage", T::String, &P::forwardImage, "Picture of the forward button, a file in Documents"}.shownAt({toolbar, 1, 1, "Forward Button Image", "Image used to show Forward Button. Recommended size: 44*44"}),
    P::Field{"PrintImage", T::String, &P::printImage, "Picture of the print button, a file in Documents"}.shownAt({toolbar, 1, 4, "Print Button Image", "Image used to show Print Button. Recommended size: 44*44"}),
    P::Field{"ToolbarImage", T::String, &P::toolbarImage, "Background picture of the toolbar, a file in Documents"}.shownAt({toolbar, 1, 5, "Toolbar Background", "Image for Navigation Toolbar Background"}),
    P::Field{"Brightness", T::Float, &P::brightness, "Screen brightness, 0 dark to 1 full", P::Range{0, 1}}.byDefault(presentBrightness).shownAt({bp, 0, 10, "Adjust Brightness"}),
    P::Field{"AllowDragDrop", T::Bool, &P::allowDragDrop, "Let icons on the home screen be moved"}.shownAt({bp, 0, 8, "Allow Icon Relocation"}),
    P::Field{"AllowResize", T::Bool, &P::allowResize, "Let icons on the home screen be resized"}.shownAt({bp, 0, 7, "Allow Icon Resize"}),
    P::Field{"EnableSchedulePowerSaver", T::Bool, &P::enableScheduleSuspend, "Save power between StartTime and EndTime on the days of DaySelected"}.shownAt({power, 0, 1, "Schedule Power Saver", "Dim after the idle timeout only inside these hours"}),
    P::Field{"StartTime", T::TimeOfDay, &P::startTime, "Start of the power-saving period (hh:mm AM/PM)"}.byDefault("00:00 AM").shownAt({power, 1, 0, "Start", "Hours"}),
    P::Field{"EndTime", T::TimeOfDay, &P::endTime, "End of the power-saving period (hh:mm AM/PM)"}.byDefault("00:00 AM").shownAt({power, 1, 1, "End", "Hours"}),
    P::Field{"DaySelected", T::Days, &P::daysSelected, "Days of the power-saving period, as Mon,Tue,..."}.byDefault("Mon,Tue,Wed,Thu,Fri,Sat,Sun").shownAt({power, 2, 0, "Days"}),
    P::Field{"AlwaysSavePower", T::Bool, &P::alwaysSavePower, "Save power whenever the kiosk is idle"}.shownAt({power, 0, 0, "Always Save Power", "Dim the screen after every idle timeout"}),
    P::Field{"UseMultiTab", T::Bool, &P::useMultiTab, "Browse in tabs"}.shownAt({tabs, 0, 0, "Enable Multi-Tab"}),
    P::Field{"EnableLoadingIcon", T::Bool, &P::enableloadingIcon, "Show a spinning icon while a page loads"}.byDefault("true").shownAt({bp, 2, 15, "Enable Loading Icon"}),
    P::Field{"CustomUserAgentHeader", T::String, &P::customUserAgentHeader, "Text added to the browser identity"}.shownAt({bp, 0, 14, "Custom User Agent Header", "Note:If Header field is empty.Default header is set to Korvel."}),
    P::Field{"EnableCustomUserAgentHeader", T::Bool, &P::enableCustomUserAgentHeader, "Add CustomUserAgentHeader to the browser identity"}.shownAt({bp, 0, 13, "Enable Custom User Agent Header"}),
    P::Field{"EnableGuidedAccessMode", T::Bool, &P::enableGuidedAccessMode, "Kept for documents from other kiosks; has no effect here"},
    P::Field{"CountOfTabs", T::Int, &P::countOfTabs, "Most tabs open at once", P::Range{1, 8}}.byDefault("8").shownAt({tabs, 0, 1, "Maximum Number of Tab(s)", "Enter a value between 1 to 8."}),
    P::Field{"AllowOpenFileInGoogleDocs", T::Bool, &P::isAllowOpenFileInGoogleDocs, "Show documents the kiosk cannot display through the online document viewer"}.shownAt({bp, 6, 0, "Show Files Using Google Docs", "Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too."}),
    P::Field{"AllowPDFViewer", T::Bool, &P::isAllowPDFViewer, "Show PDF documents in the kiosk's reader"}.shownAt({pdf, 0, 0, "PDF Viewer", "Opens PDF documents in the kiosk's own reader."}),
    P::Field{"AllowDownloadInPDFViewer", T::Bool, &P::isAllowDownloadInPDFViewer, "Let visitors save a document from the reader"}.shownAt({pdf, 0, 1, "Allow Download", "The reader's Download button saves the document in Documents."}),
    P::Field{"AllowPrintInPDFViewer", T::Bool, &P::isAllowPrintInPDFViewer, "Let visitors print a document from the reader"}.shownAt({pdf, 0, 2, "Allow Print", "The reader's Share sheet offers printing."}),
    P::Field{"AllowFileDownloadInDevice", T::Bool, &P::isAllowFileDownloadInDevice, "Let visitors download files"}.shownAt({bp, 7, 0, "Allow Downloads", "Allows files to be downloaded to this device"}),
    P::Field{"AllowOpenFileAfterDownload", T::Bool, &P::isAllowOpenFileAfterDownload, "Open a file once it is downloaded"}.shownAt({bp, 7, 1, "Open File After Download", "Opens a file as soon as it has downloaded"}),
    P::Field{"KeepDownloadHistory", T::Bool, &P::isAllowKeepDownloadHistory, "Keep the list of downloaded files"}.shownAt({bp, 7, 2, "Keep Download History", "Keeps a list of downloaded files"}),
    P::Field{"DownloadQuota", T::Int, &P::downloadQuota, "Megabytes one visit may save into Documents, downloads and printouts together; 0 means 100", P::Range{0, 100000}, P::Range{1, 100000}}.byDefault("100"),
    P::Field{"RendererMemoryLimitMB", T::Int, &P::rendererMemoryLimitMB, "Megabytes a page's renderer may use before the page is reloaded at the next idle moment; 0 means 1 GiB or half the memory, whichever is less", P::Range{0, 1048576}}.shownAt({bp, 8, 0, "Page Memory Limit (MB)", "A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less."}),
    P::Field{"RestartDailyAt", T::String, &P::restartDailyAt, "Time of day (HH:MM, 24-hour clock) Korvel restarts once nobody uses it; empty for never"}.shownAt({bp, 8, 1, "Restart Daily At (HH:MM)", "Korvel restarts at this time, or later once nobody uses it. Empty: never."}),
    P::Field{"Language", T::String, &P::language, "Language of the screens, of the on-screen keyboard and the one web pages are asked for: de, en, fr... as shipped; empty for the system's"}.shownAt({bp, 9, 0, "Language", "The language of the screens, of the on-screen keyboard and the one web pages are asked for."}),
    P::Field{"DisableJIT", T::Bool, &P::disableJIT, "Run pages' JavaScript without the engine's compiler (slower scripts, no WebAssembly, far less to attack); from the next start"}.byDefault("true"),
    P::Field{"LimitWebRTC", T::Bool, &P::limitWebRTC, "Let pages' WebRTC connect only through a proxy, so they never learn the device's local addresses; from the next start"}.byDefault("true"),
    P::Field{"BlockThirdPartyCookies", T::Bool, &P::blockThirdPartyCookies, "Refuse cookies of other websites than the page's own"}.byDefault("true"),
    P::Field{"RemoteControl", T::Bool, &P::remoteControl, "Answer the HTTPS control and status API (its token: korvelctl remote token)"},
    P::Field{"RemoteControlPort", T::Int, &P::remoteControlPort, "Port of the HTTPS control and status API", P::Range{1024, 65535}}.byDefault("8443"),
    P::Field{"RemoteControlAddress", T::String, &P::remoteControlAddress, "Address the control and status API listens on: 127.0.0.1 only this device, another address of the device opens it to that network"}.byDefault("127.0.0.1"),
    P::Field{"AllowMediaAutoplay", T::Bool, &P::allowMediaAutoplay, "Let pages start video and sound without a touch, as signage pages do; off, the engine's own rule (muted video only)"},
    P::Field{"Mqtt", T::Bool, &P::mqtt, "Publish the kiosk's status to an MQTT broker and take its commands there (its password: korvelctl remote mqtt-password)"},
    P::Field{"MqttHost", T::String, &P::mqttHost, "Name or address of the MQTT broker"},
    P::Field{"MqttPort", T::Int, &P::mqttPort, "Port of the MQTT broker (1883, or 8883 with TLS)", P::Range{1, 65535}}.byDefault("1883"),
    P::Field{"MqttTLS", T::Bool, &P::mqttTLS, "Speak to the MQTT broker over TLS, checking its certificate against the system's authorities"},
    P::Field{"MqttUser", T::String, &P::mqttUser, "User name at the MQTT broker; empty for none"},
    P::Field{"MqttTopic", T::String, &P::mqttTopic, "Topic prefix of this kiosk on the MQTT broker; empty for korvel/ and the device's name"},
    P::Field{"StrictSubresources", T::Bool, &P::strictSubresources, "Let pages load images, scripts, frames and connections only from the allowed websites and the hosts also allowed for loading"}.shownAt({advanced, 2, 0, "Strict Loading", "Pages load only from the allowed websites and the hosts below"}),
    P::Field{"AlsoAllowedForLoading", T::String, &P::alsoAllowedForLoading, "Hosts every page may load from in strict mode, separated by commas (each with its sub-domains)"}.shownAt({advanced, 2, 1, "Also allowed for loading", "Hosts every page may load from, with their sub-domains"}),
    P::Field{"LearnSubresources", T::Bool, &P::learnSubresources, "Record the hosts the allowed websites' pages load from, and the refused navigations (korvelctl learn show)"}.shownAt({advanced, 2, 2, "Learn What Pages Load", "Record the hosts; korvelctl learn show and learn apply"}),
    P::Field{"SpatialNavigation", T::Bool, &P::spatialNavigation, "Let the arrow keys move between the links and fields of a page, for kiosks with a keypad or a remote control"}.shownAt({advanced, 3, 0, "Arrow Key Navigation", "Arrow keys move between the links and fields of a page"}),
    P::Field{"LargerText", T::Int, &P::largerText, "Size of the kiosk's own texts and the zoom of pages: 100%, 125% or 150% (0, 1, 2)", P::Range{0, 2}}.named("100%|125%|150%").shownAt({advanced, 4, 0, "Larger Text", "The kiosk's texts and the pages grow together"}),
    P::Field{"HighContrast", T::Bool, &P::highContrast, "Draw the kiosk's own screens in colours whose text contrast is at least 7:1"}.shownAt({advanced, 4, 1, "High Contrast", "Text stands out at least 7:1 from its background"}),
};

const QString browserPreferencesKey = QStringLiteral("BrowserPreferences");

QString emptyText()
{
    return QString(QLatin1String(""));
}

}  // namespace

std::span<const P::Field> KVBrowserPrefSettings::fields()
{
    return fieldTable;
}

const P::Field* KVBrowserPrefSettings::fieldForKey(const QString& key)
{
    static const QHash<QString, const Field*> index = [] {
        QHash<QString, const Field*> h;
        for (const Field& f : fieldTable)
            h.insert(QString::fromLatin1(f.key), &f);
        return h;
    }();
    return index.value(key, nullptr);
}

const P::Field* KVBrowserPrefSettings::fieldAt(const char* screen, int section, int row)
{
    for (const Field& f : fieldTable) {
        if (f.place.screen && qstrcmp(f.place.screen, screen) == 0 && f.place.section == section && f.place.row == row)
            return &f;
    }
    return nullptr;
}

QList<QList<const P::Field*>> KVBrowserPrefSettings::fieldsShownOn(const char* screen)
{
    QList<QList<const Field*>> sections;
    for (const Field& f : fieldTable) {
        if (!f.place.screen || qstrcmp(f.place.screen, screen) != 0)
            continue;
        if (sections.size() <= f.place.section)
            sections.resize(f.place.section + 1);
        sections[f.place.section].append(&f);
    }
    for (QList<const Field*>& rows : sections)
        std::sort(rows.begin(), rows.end(), [](const Field* a, const Field* b) { return a->place.row < b->place.row; });
    return sections;
}

void KVBrowserPrefSettings::takeShownOn(const char* screen, const KVBrowserPrefSettings& edited)
{
    for (const QList<const Field*>& rows : fieldsShownOn(screen)) {
        for (const Field* f : rows)
            std::visit([&](auto member) { this->*member = edited.*member; }, f->member);
    }
}

QStringList KVBrowserPrefSettings::Field::valueNames() const
{
    return names ? QString::fromUtf8(names).split(QLatin1Char('|')) : QStringList();
}

QVariant KVBrowserPrefSettings::factoryValue(const Field& field)
{
    if (field.factoryNow)
        return PreferenceText::parse(field, field.factoryNow()).value_or(QVariant());
    // Parsed once: the record is made often (every read of a dictionary starts from it).
    static const QHash<const Field*, QVariant> fixed = [] {
        QHash<const Field*, QVariant> values;
        for (const Field& f : fieldTable) {
            if (f.type == FieldType::String)
                values.insert(&f, QString(QLatin1String(f.factory ? f.factory : "")));
            else if (f.factory)
                values.insert(&f, PreferenceText::parse(f, QString::fromUtf8(f.factory)).value_or(QVariant()));
        }
        return values;
    }();
    return fixed.value(&field);
}

KVBrowserPrefSettings KVBrowserPrefSettings::init()
{
    KVBrowserPrefSettings record;
    record.loadDefaults();
    return record;
}

void KVBrowserPrefSettings::loadDefaults()
{
    *this = KVBrowserPrefSettings();
    for (const Field& field : fieldTable) {
        const QVariant value = factoryValue(field);
        if (value.isValid())
            setValueFromDictionary(field, value);
    }
}

QVariant KVBrowserPrefSettings::valueForField(const Field& field) const
{
    switch (field.type) {
    case FieldType::Bool:
        return this->*std::get<bool P::*>(field.member);
    case FieldType::IntegerBool:
        return qint64(this->*std::get<bool P::*>(field.member) ? 1 : 0);
    case FieldType::Int:
        return qint64(this->*std::get<qint32 P::*>(field.member));
    case FieldType::String: {
        const QString& text = this->*std::get<QString P::*>(field.member);
        return text.isNull() ? QVariant() : QVariant(text);
    }
    case FieldType::Float:
        return double(this->*std::get<float P::*>(field.member));
    case FieldType::TimeOfDay:
        return getTimeStringFromDate(this->*std::get<QTime P::*>(field.member));
    case FieldType::Days: {
        const auto& days = this->*std::get<std::optional<QVariantMap> P::*>(field.member);
        return days ? QVariant(*days) : QVariant();
    }
    }
    return QVariant();
}

void KVBrowserPrefSettings::setValueFromDictionary(const Field& field, const QVariant& value)
{
    switch (field.type) {
    case FieldType::Bool:
    case FieldType::IntegerBool:
        this->*std::get<bool P::*>(field.member) = PlistValue::boolValue(value);
        return;
    case FieldType::Int:
        this->*std::get<qint32 P::*>(field.member) = PlistValue::int32Value(value);
        return;
    case FieldType::String:
        this->*std::get<QString P::*>(field.member) = PlistValue::stringValue(value);
        return;
    case FieldType::Float:
        this->*std::get<float P::*>(field.member) = static_cast<float>(PlistValue::doubleValue(value));
        return;
    case FieldType::TimeOfDay:
        this->*std::get<QTime P::*>(field.member) = getDateFromTimeString(PlistValue::stringValue(value));
        return;
    case FieldType::Days:
        this->*std::get<std::optional<QVariantMap> P::*>(field.member) = PlistValue::dictionaryValue(value);
        return;
    }
}

QStringList KVBrowserPrefSettings::keepWithinRanges(QVariantMap& dictionary)
{
    QStringList replaced;
    const KVBrowserPrefSettings factory = init();
    for (const Field& field : fieldTable) {
        const QString key = QString::fromLatin1(field.key);
        if (!field.range || !dictionary.contains(key))
            continue;
        // Read as the record reads it, so what is checked is what would take effect.
        KVBrowserPrefSettings read;
        read.setValueFromDictionary(field, dictionary.value(key));
        const double number = field.type == FieldType::Float ? double(read.*std::get<float P::*>(field.member))
                                                             : double(read.*std::get<qint32 P::*>(field.member));
        if (field.range->contains(number))
            continue;
        dictionary.insert(key, factory.valueForField(field));
        replaced.append(key);
    }
    return replaced;
}

KVBrowserPrefSettings KVBrowserPrefSettings::initWithDictionary(const std::optional<QVariantMap>& dictionary)
{
    KVBrowserPrefSettings record = init();
    if (!dictionary)
        return record;
    // A key the dictionary lacks keeps its factory value: read as zero, "NumberOfTaps" would open
    // the password prompt on any tap, and the toolbar and full screen would vanish.
    const QVariantMap repaired = withoutLegacyKeys(*dictionary);
    for (const Field& field : fieldTable) {
        const QVariant value = repaired.value(QString::fromLatin1(field.key));
        if (value.isValid() && !value.isNull())
            record.setValueFromDictionary(field, value);
    }
    return record;
}

QVariantMap KVBrowserPrefSettings::withoutLegacyKeys(QVariantMap stored)
{
    const QString hideMenu = QStringLiteral("HideMenu");
    if (stored.contains(hideMenu)) {
        stored.insert(QStringLiteral("EnableMenu"), !PlistValue::boolValue(stored.value(hideMenu)));
        stored.remove(hideMenu);
    }
    return stored;
}

QVariantMap KVBrowserPrefSettings::repairedDictionary(QVariantMap stored)
{
    stored = withoutLegacyKeys(std::move(stored));
    // The schedule and "always save power" exclude each other; a stored pair that agrees is void.
    const QString schedule = QStringLiteral("EnableSchedulePowerSaver");
    const QString always = QStringLiteral("AlwaysSavePower");
    if (stored.contains(schedule) && stored.contains(always)
        && PlistValue::boolValue(stored.value(schedule)) == PlistValue::boolValue(stored.value(always))) {
        stored.insert(schedule, false);
        stored.insert(always, false);
    }
    return stored;
}

QVariantMap KVBrowserPrefSettings::toDictionary() const
{
    QVariantMap dictionary;
    for (const Field& field : fieldTable) {
        QVariant value = valueForField(field);
        if (value.isValid())
            dictionary.insert(QString::fromLatin1(field.key), value);
    }
    return dictionary;
}

void KVBrowserPrefSettings::afterImportCheck()
{
    afterImportCheck(UserDefaults::standard());
}

void KVBrowserPrefSettings::afterImportCheck(UserDefaults& defaults)
{
    loadDefaults();
    QVariantMap stored = repairedDictionary(defaults.dictionaryForKey(browserPreferencesKey));

    const QVariantMap factory = toDictionary();
    for (auto it = factory.constBegin(); it != factory.constEnd(); ++it) {
        const QVariant present = stored.value(it.key());
        if (!present.isValid() || present.isNull())
            stored.insert(it.key(), it.value());
    }
    defaults.setObject(browserPreferencesKey, stored);
}

QString KVBrowserPrefSettings::getTimeStringFromDate(const QTime& time)
{
    if (!time.isValid())
        return emptyText();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QTime KVBrowserPrefSettings::getDateFromTimeString(const QString& text)
{
    // en_US 12-hour clock; like the platform's parser it accepts a lower-case marker and the
    // hour 00, which the factory midnight "00:00 am" uses.
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2}) ([AaPp][Mm])$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QTime();
    const int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    if (hour > 12 || minute > 59)
        return QTime();
    const bool pm = match.captured(3).at(0).toUpper() == QLatin1Char('P');
    return QTime(hour % 12 + (pm ? 12 : 0), minute);
}

}  // namespace korvel
