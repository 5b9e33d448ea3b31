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

const std::array<P::Field, 71> fieldTable = {{
    {"RefreshOnError", T::Bool, &P::enableRefreshOnError},
    {"CopyPaste", T::Bool, &P::enableCopyPaste},
    {"PhoneLinks", T::Bool, &P::enablePhoneLinks},
    {"PrintLinks", T::Bool, &P::enablePrintLinks},
    {"DrivingMode", T::Bool, &P::enableDrivingMode},
    {"MotionType", T::Int, &P::motionType, P::Range{0, 2}},
    {"IdleTimeout", T::Int, &P::idleTimeout, P::Range{10, 59999}},
    {"AllowAllWebsites", T::IntegerBool, &P::allowAllWebsites},
    {"AllowContentBlocking", T::IntegerBool, &P::allowContentBlocking},
    {"StrBlockedKeyWord", T::String, &P::strBlockedKeyWord},
    {"IgnoreSSLWarnings", T::Bool, &P::ignoreSslWarnings},
    {"GoHomeOnNetworkGain", T::Bool, &P::goHomeOnNetworkGain},
    {"GoHomeOnIdleTimeout", T::Bool, &P::goHomeOnIdleTimeout},
    {"EnableMenu", T::Bool, &P::enableMenu},
    {"PrivateBrowsing", T::Bool, &P::privateBrowsing},
    {"OfflineCacheBrowsing", T::Bool, &P::offlineBrowsingCache},
    {"PluginsEnable", T::Bool, &P::pluginsEnable},
    {"Wallpaper", T::String, &P::wallpaper},
    {"ZoomEnable", T::Bool, &P::zoomEnable},
    {"FullScreen", T::Bool, &P::fullScreen},
    {"PreventSuspend", T::Bool, &P::preventSuspend},
    {"WallpaperStyle", T::Int, &P::wallpaperStyle, P::Range{0, 2}},
    {"BrowserOrientation", T::Int, &P::browserOrientation, P::Range{0, 2}},
    {"PasswordTimeout", T::Int, &P::passwordTimeout, P::Range{1, 999}},
    {"RestrictSettings", T::Bool, &P::restrictSettings},
    {"UserAgents", T::String, &P::userAgents},
    {"MakeToast", T::Bool, &P::makeToast},
    {"EnableScreenSaver", T::Bool, &P::enableScreenSaver},
    {"ScreenSaver", T::String, &P::screenSaverURL},
    {"EnableToolBar", T::Bool, &P::enableToolBar},
    {"NumberOfTaps", T::Int, &P::numberTaps, P::Range{4, 40}},
    {"AccessDenied", T::Bool, &P::accessDenied},
    {"ServerSwitch", T::Bool, &P::serverSwitchOnOFF},
    {"Port", T::Int, &P::port, P::Range{1025, 65535}},
    {"UploadAccessCode", T::String, &P::uploadAccessCode},
    {"Zoom", T::Int, &P::intZoom, P::Range{100, 999}},
    {"Bounce", T::Bool, &P::bounceSwitch},
    {"AllowPopup", T::Bool, &P::allowPopup},
    {"AllowPopupInSameWindow", T::Bool, &P::allowPopupInSameWindow},
    {"EnableRefreshButton", T::Bool, &P::enableRefreshButton},
    {"EnableHomeButton", T::Bool, &P::enableHomeButton},
    {"EnableBackButton", T::Bool, &P::enableBackButton},
    {"EnableForwardButton", T::Bool, &P::enableForwardButton},
    {"EnablePrintButton", T::Bool, &P::enablePrintButton},
    {"RefreshImage", T::String, &P::refreshImage},
    {"HomeImage", T::String, &P::homeImage},
    {"BackImage", T::String, &P::backImage},
    {"ForwardImage", T::String, &P::forwardImage},
    {"PrintImage", T::String, &P::printImage},
    {"ToolbarImage", T::String, &P::toolbarImage},
    {"Brightness", T::Float, &P::brightness, P::Range{0, 1}},
    {"AllowDragDrop", T::Bool, &P::allowDragDrop},
    {"AllowResize", T::Bool, &P::allowResize},
    {"EnableSchedulePowerSaver", T::Bool, &P::enableScheduleSuspend},
    {"StartTime", T::TimeOfDay, &P::startTime},
    {"EndTime", T::TimeOfDay, &P::endTime},
    {"DaySelected", T::Days, &P::daysSelected},
    {"AlwaysSavePower", T::Bool, &P::alwaysSavePower},
    {"UseMultiTab", T::Bool, &P::useMultiTab},
    {"EnableLoadingIcon", T::Bool, &P::enableloadingIcon},
    {"CustomUserAgentHeader", T::String, &P::customUserAgentHeader},
    {"EnableCustomUserAgentHeader", T::Bool, &P::enableCustomUserAgentHeader},
    {"EnableGuidedAccessMode", T::Bool, &P::enableGuidedAccessMode},
    {"CountOfTabs", T::Int, &P::countOfTabs, P::Range{1, 8}},
    {"AllowOpenFileInGoogleDocs", T::Bool, &P::isAllowOpenFileInGoogleDocs},
    {"AllowPDFViewer", T::Bool, &P::isAllowPDFViewer},
    {"AllowDownloadInPDFViewer", T::Bool, &P::isAllowDownloadInPDFViewer},
    {"AllowPrintInPDFViewer", T::Bool, &P::isAllowPrintInPDFViewer},
    {"AllowFileDownloadInDevice", T::Bool, &P::isAllowFileDownloadInDevice},
    {"AllowOpenFileAfterDownload", T::Bool, &P::isAllowOpenFileAfterDownload},
    {"KeepDownloadHistory", T::Bool, &P::isAllowKeepDownloadHistory},
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

KVBrowserPrefSettings KVBrowserPrefSettings::initWithDictionary(const std::optional<QVariantMap>& dictionary)
{
    if (!dictionary)
        return init();
    KVBrowserPrefSettings record;
    for (const Field& field : fieldTable)
        record.setValueFromDictionary(field, dictionary->value(QString::fromLatin1(field.key)));
    return record;
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
    QVariantMap stored = defaults.dictionaryForKey(browserPreferencesKey);

    const QString hideMenu = QStringLiteral("HideMenu");
    if (stored.contains(hideMenu)) {
        stored.insert(QStringLiteral("EnableMenu"), !PlistValue::boolValue(stored.value(hideMenu)));
        stored.remove(hideMenu);
    }

    // The schedule and "always save power" exclude each other; a stored pair that agrees is void.
    const QString schedule = QStringLiteral("EnableSchedulePowerSaver");
    const QString always = QStringLiteral("AlwaysSavePower");
    if (stored.contains(schedule) && stored.contains(always)
        && PlistValue::boolValue(stored.value(schedule)) == PlistValue::boolValue(stored.value(always))) {
        stored.insert(schedule, false);
        stored.insert(always, false);
    }

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
