#include "settings/KVBrowserPrefSettings.h"

#include "platform/Device.h"
#include "platform/UserDefaults.h"
#include "settings/PlistValue.h"

#include <QHash>
#include <QRegularExpression>

#include <array>

namespace korvel {

namespace {

using P = KVBrowserPrefSettings;
using T = KVBrowserPrefSettings::FieldType;

const std::array<P::Field, 84> fieldTable = {{
    {"RefreshOnError", T::Bool, &P::enableRefreshOnError, "After a load error, retry the page that failed rather than the website's start page"},
    {"CopyPaste", T::Bool, &P::enableCopyPaste, "Let visitors copy and paste text in pages"},
    {"PhoneLinks", T::Bool, &P::enablePhoneLinks, "Telephone, mail and message links: on, only logged (the kiosk hands no link to another application, so nothing calls); off, refused like any unlisted address"},
    {"PrintLinks", T::Bool, &P::enablePrintLinks, "Let pages print (their print command and print links)"},
    {"DrivingMode", T::Bool, &P::enableDrivingMode, "Lock the screen while the device moves (see MotionType)"},
    {"MotionType", T::Int, &P::motionType, "The motion that locks the screen: 0 walking, 1 running, 2 driving", P::Range{0, 2}},
    {"IdleTimeout", T::Int, &P::idleTimeout, "Seconds without a touch before the idle actions run; under 10 turns the idle timer off", P::Range{0, 59999}, P::Range{10, 59999}},
    {"AllowAllWebsites", T::IntegerBool, &P::allowAllWebsites, "Allow every website except the blocked ones, instead of only the listed ones"},
    {"AllowContentBlocking", T::IntegerBool, &P::allowContentBlocking, "Refuse addresses that contain one of the blocked keywords"},
    {"StrBlockedKeyWord", T::String, &P::strBlockedKeyWord, "The blocked keywords, separated by commas"},
    {"IgnoreSSLWarnings", T::Bool, &P::ignoreSslWarnings, "Open pages whose certificate is not trusted"},
    {"GoHomeOnNetworkGain", T::Bool, &P::goHomeOnNetworkGain, "Return to the start when the network comes back"},
    {"GoHomeOnIdleTimeout", T::Bool, &P::goHomeOnIdleTimeout, "Return to the start when the kiosk has been idle (see IdleTimeout)"},
    {"EnableMenu", T::Bool, &P::enableMenu, "Show the menu button in the browser toolbar"},
    {"PrivateBrowsing", T::Bool, &P::privateBrowsing, "Keep nothing of a visitor (cookies, storage, cache) once they leave"},
    {"OfflineCacheBrowsing", T::Bool, &P::offlineBrowsingCache, "Show pages from the cache while the network is down"},
    {"PluginsEnable", T::Bool, &P::pluginsEnable, "Let pages use the engine's plug-ins (no effect here: no plug-in exists for this engine)"},
    {"Wallpaper", T::String, &P::wallpaper, "Picture behind the home screen icons, a file in Documents"},
    {"ZoomEnable", T::Bool, &P::zoomEnable, "Let visitors zoom pages"},
    {"FullScreen", T::Bool, &P::fullScreen, "Cover the whole screen, without the status bar"},
    {"PreventSuspend", T::Bool, &P::preventSuspend, "Keep the display and the machine awake"},
    {"WallpaperStyle", T::Int, &P::wallpaperStyle, "How the wallpaper fills the screen: 0 centre, 1 stretch, 2 fit", P::Range{0, 2}},
    {"BrowserOrientation", T::Int, &P::browserOrientation, "Screen orientation: 0 any, 1 landscape, 2 portrait", P::Range{0, 2}},
    {"PasswordTimeout", T::Int, &P::passwordTimeout, "Minutes after the start during which the settings gesture works (see RestrictSettings)", P::Range{1, 999}},
    {"RestrictSettings", T::Bool, &P::restrictSettings, "Let the settings gesture work only for a while after the start"},
    {"UserAgents", T::String, &P::userAgents, "The browser identity pages see"},
    {"MakeToast", T::Bool, &P::makeToast, "Tell visitors in a short message why an address was refused"},
    {"EnableScreenSaver", T::Bool, &P::enableScreenSaver, "Show the screensaver when the kiosk is idle (see IdleTimeout)"},
    {"ScreenSaver", T::String, &P::screenSaverURL, "The screensaver: a video, a picture or a web address"},
    {"EnableToolBar", T::Bool, &P::enableToolBar, "Show the browser toolbar"},
    {"NumberOfTaps", T::Int, &P::numberTaps, "Taps of the hidden gesture that opens the settings", P::Range{4, 40}},
    {"AccessDenied", T::Bool, &P::accessDenied, "Return to the start when a link leads to a blocked website"},
    {"ServerSwitch", T::Bool, &P::serverSwitchOnOFF, "Run the upload server on the local network"},
    {"Port", T::Int, &P::port, "Port of the upload server", P::Range{1024, 65535}, P::Range{1025, 65535}},
    {"UploadAccessCode", T::String, &P::uploadAccessCode, "Code the upload page asks for; empty asks for none"},
    {"UploadServerTLS", T::Bool, &P::uploadServerTLS, "Serve the upload server over HTTPS with the device's own certificate"},
    {"Zoom", T::Int, &P::intZoom, "Initial zoom of pages in percent", P::Range{100, 999}},
    {"Bounce", T::Bool, &P::bounceSwitch, "Let pages bounce when scrolled past their end (no effect with this engine)"},
    {"AllowPopup", T::Bool, &P::allowPopup, "Let pages open new windows"},
    {"AllowPopupInSameWindow", T::Bool, &P::allowPopupInSameWindow, "Open pages' new windows in the current window"},
    {"EnableRefreshButton", T::Bool, &P::enableRefreshButton, "Show the reload button"},
    {"EnableHomeButton", T::Bool, &P::enableHomeButton, "Show the home button"},
    {"EnableBackButton", T::Bool, &P::enableBackButton, "Show the back button"},
    {"EnableForwardButton", T::Bool, &P::enableForwardButton, "Show the forward button"},
    {"EnablePrintButton", T::Bool, &P::enablePrintButton, "Show the print button"},
    {"RefreshImage", T::String, &P::refreshImage, "Picture of the reload button, a file in Documents"},
    {"HomeImage", T::String, &P::homeImage, "Picture of the home button, a file in Documents"},
    {"BackImage", T::String, &P::backImage, "Picture of the back button, a file in Documents"},
    {"ForwardImage", T::String, &P::forwardImage, "Picture of the forward button, a file in Documents"},
    {"PrintImage", T::String, &P::printImage, "Picture of the print button, a file in Documents"},
    {"ToolbarImage", T::String, &P::toolbarImage, "Background picture of the toolbar, a file in Documents"},
    {"Brightness", T::Float, &P::brightness, "Screen brightness, 0 dark to 1 full", P::Range{0, 1}},
    {"AllowDragDrop", T::Bool, &P::allowDragDrop, "Let icons on the home screen be moved"},
    {"AllowResize", T::Bool, &P::allowResize, "Let icons on the home screen be resized"},
    {"EnableSchedulePowerSaver", T::Bool, &P::enableScheduleSuspend, "Save power between StartTime and EndTime on the days of DaySelected"},
    {"StartTime", T::TimeOfDay, &P::startTime, "Start of the power-saving period (hh:mm AM/PM)"},
    {"EndTime", T::TimeOfDay, &P::endTime, "End of the power-saving period (hh:mm AM/PM)"},
    {"DaySelected", T::Days, &P::daysSelected, "Days of the power-saving period, as Mon,Tue,..."},
    {"AlwaysSavePower", T::Bool, &P::alwaysSavePower, "Save power whenever the kiosk is idle"},
    {"UseMultiTab", T::Bool, &P::useMultiTab, "Browse in tabs"},
    {"EnableLoadingIcon", T::Bool, &P::enableloadingIcon, "Show a spinning icon while a page loads"},
    {"CustomUserAgentHeader", T::String, &P::customUserAgentHeader, "Text added to the browser identity"},
    {"EnableCustomUserAgentHeader", T::Bool, &P::enableCustomUserAgentHeader, "Add CustomUserAgentHeader to the browser identity"},
    {"EnableGuidedAccessMode", T::Bool, &P::enableGuidedAccessMode, "Kept for documents from other kiosks; has no effect here"},
    {"CountOfTabs", T::Int, &P::countOfTabs, "Most tabs open at once", P::Range{1, 8}},
    {"AllowOpenFileInGoogleDocs", T::Bool, &P::isAllowOpenFileInGoogleDocs, "Show documents the kiosk cannot display through the online document viewer"},
    {"AllowPDFViewer", T::Bool, &P::isAllowPDFViewer, "Show PDF documents in the kiosk's reader"},
    {"AllowDownloadInPDFViewer", T::Bool, &P::isAllowDownloadInPDFViewer, "Let visitors save a document from the reader"},
    {"AllowPrintInPDFViewer", T::Bool, &P::isAllowPrintInPDFViewer, "Let visitors print a document from the reader"},
    {"AllowFileDownloadInDevice", T::Bool, &P::isAllowFileDownloadInDevice, "Let visitors download files"},
    {"AllowOpenFileAfterDownload", T::Bool, &P::isAllowOpenFileAfterDownload, "Open a file once it is downloaded"},
    {"KeepDownloadHistory", T::Bool, &P::isAllowKeepDownloadHistory, "Keep the list of downloaded files"},
    {"DownloadQuota", T::Int, &P::downloadQuota, "Megabytes one visit may save into Documents, downloads and printouts together; 0 means 100", P::Range{0, 100000}, P::Range{1, 100000}},
    {"RendererMemoryLimitMB", T::Int, &P::rendererMemoryLimitMB, "Megabytes a page's renderer may use before the page is reloaded at the next idle moment; 0 means 1 GiB or half the memory, whichever is less", P::Range{0, 1048576}},
    {"RestartDailyAt", T::String, &P::restartDailyAt, "Time of day (HH:MM, 24-hour clock) Korvel restarts once nobody uses it; empty for never"},
    {"DisableJIT", T::Bool, &P::disableJIT, "Run pages' JavaScript without the engine's compiler (slower scripts, no WebAssembly, far less to attack); from the next start"},
    {"LimitWebRTC", T::Bool, &P::limitWebRTC, "Let pages' WebRTC connect only through a proxy, so they never learn the device's local addresses; from the next start"},
    {"BlockThirdPartyCookies", T::Bool, &P::blockThirdPartyCookies, "Refuse cookies of other websites than the page's own"},
    {"StrictSubresources", T::Bool, &P::strictSubresources, "Let pages load images, scripts, frames and connections only from the allowed websites and the hosts also allowed for loading"},
    {"AlsoAllowedForLoading", T::String, &P::alsoAllowedForLoading, "Hosts every page may load from in strict mode, separated by commas (each with its sub-domains)"},
    {"LearnSubresources", T::Bool, &P::learnSubresources, "Record the hosts the allowed websites' pages load from, and the refused navigations (korvelctl learn show)"},
    {"RemoteControl", T::Bool, &P::remoteControl, "Answer the HTTPS control and status API (its token: korvelctl remote token)"},
    {"RemoteControlPort", T::Int, &P::remoteControlPort, "Port of the HTTPS control and status API", P::Range{1024, 65535}},
    {"RemoteControlAddress", T::String, &P::remoteControlAddress, "Address the control and status API listens on: 127.0.0.1 only this device, another address of the device opens it to that network"},
}};

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

KVBrowserPrefSettings KVBrowserPrefSettings::init()
{
    KVBrowserPrefSettings record;
    record.loadDefaults();
    return record;
}

void KVBrowserPrefSettings::loadDefaults()
{
    enableRefreshOnError = false;
    enableCopyPaste = true;
    enablePhoneLinks = true;
    enablePrintLinks = true;
    enableDrivingMode = false;
    motionType = 0;
    idleTimeout = 10;
    allowAllWebsites = false;
    allowContentBlocking = false;
    strBlockedKeyWord = emptyText();
    ignoreSslWarnings = false;
    goHomeOnNetworkGain = false;
    goHomeOnIdleTimeout = false;
    enableMenu = false;
    privateBrowsing = false;
    offlineBrowsingCache = false;
    pluginsEnable = true;
    wallpaper = emptyText();
    zoomEnable = true;
    fullScreen = true;
    preventSuspend = true;
    wallpaperStyle = 0;
    browserOrientation = 0;
    passwordTimeout = 1;
    restrictSettings = false;
    userAgents = QStringLiteral("Default");
    makeToast = true;
    enableScreenSaver = false;
    screenSaverURL = emptyText();
    enableToolBar = true;
    numberTaps = 5;
    accessDenied = false;
    serverSwitchOnOFF = false;
    port = 8080;
    uploadAccessCode = emptyText();
    uploadServerTLS = false;
    intZoom = 100;
    bounceSwitch = true;
    allowPopup = false;
    allowPopupInSameWindow = false;
    enableRefreshButton = true;
    enableHomeButton = true;
    enableBackButton = true;
    enableForwardButton = true;
    enablePrintButton = false;
    refreshImage = emptyText();
    homeImage = emptyText();
    backImage = emptyText();
    forwardImage = emptyText();
    printImage = emptyText();
    toolbarImage = emptyText();
    brightness = static_cast<float>(Device::current().screenBrightness());
    allowDragDrop = false;
    allowResize = false;
    enableScheduleSuspend = false;
    startTime = getDateFromTimeString(QStringLiteral("00:00 am"));
    endTime = getDateFromTimeString(QStringLiteral("00:00 am"));
    daysSelected = QVariantMap{{QStringLiteral("Mon"), true}, {QStringLiteral("Tue"), true},
                               {QStringLiteral("Wed"), true}, {QStringLiteral("Thu"), true},
                               {QStringLiteral("Fri"), true}, {QStringLiteral("Sat"), true},
                               {QStringLiteral("Sun"), true}};
    alwaysSavePower = false;
    useMultiTab = false;
    enableloadingIcon = true;
    strictSubresources = false;
    alsoAllowedForLoading = emptyText();
    learnSubresources = false;
    customUserAgentHeader = emptyText();
    enableCustomUserAgentHeader = false;
    enableGuidedAccessMode = false;
    countOfTabs = 8;
    isAllowOpenFileInGoogleDocs = false;
    isAllowPDFViewer = false;
    isAllowDownloadInPDFViewer = false;
    isAllowPrintInPDFViewer = false;
    isAllowFileDownloadInDevice = false;
    isAllowOpenFileAfterDownload = false;
    isAllowKeepDownloadHistory = false;
    downloadQuota = 100;
    rendererMemoryLimitMB = 0;
    restartDailyAt = emptyText();
    disableJIT = true;
    limitWebRTC = true;
    blockThirdPartyCookies = true;
    remoteControl = false;
    remoteControlPort = 8443;
    remoteControlAddress = QStringLiteral("127.0.0.1");
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
