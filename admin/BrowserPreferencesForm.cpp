#include "admin/BrowserPreferencesForm.h"

#include "browser/DailyRestart.h"
#include "platform/FormatString.h"

#include <QRegularExpression>

namespace korvel {

BrowserPreferencesForm BrowserPreferencesForm::fromRecord(const KVBrowserPrefSettings& record)
{
    BrowserPreferencesForm form;
    form.values = record;
    form.idleTimeout = QString::number(record.idleTimeout);
    form.passwordTimeout = QString::number(record.passwordTimeout);
    form.numberTaps = QString::number(record.numberTaps);
    form.port = QString::number(record.port);
    form.zoom = QString::number(record.intZoom);
    form.memoryLimit = QString::number(record.rendererMemoryLimitMB);
    return form;
}

PreferenceNumberRule BrowserPreferencesRules::rule(PreferenceNumber number)
{
    PreferenceNumberRule r{};
    switch (number) {
    case PreferenceNumber::IdleTimeout:
        //% "Invalid Timeout. Please enter value greater than 9 and less than 60000."
        r = {"IdleTimeout", 0, 0, 0, qtTrId("SETTINGS_INVALID_IDLE_TIMEOUT")};
        break;
    case PreferenceNumber::PasswordTimeout:
        //% "Invalid Timeout. Please enter value greater than 0 and less than 1000."
        r = {"PasswordTimeout", 0, 0, 0, qtTrId("SETTINGS_INVALID_PASSWORD_TIMEOUT")};
        break;
    case PreferenceNumber::NumberOfTaps:
        //% "Invalid Number of Taps. Please enter value between or equal to 4 - 40."
        r = {"NumberOfTaps", 0, 0, 0, qtTrId("SETTINGS_INVALID_TAP_COUNT")};
        break;
    case PreferenceNumber::Port:
        //% "Port cannot be used. Please use port between 1024 and 65535"
        r = {"Port", 0, 0, 0, qtTrId("SETTINGS_INVALID_PORT")};
        break;
    case PreferenceNumber::Zoom:
        //% "Invalid scale: Please enter between 100 and 999"
        r = {"Zoom", 0, 0, 0, qtTrId("SETTINGS_INVALID_ZOOM")};
        break;
    case PreferenceNumber::RendererMemoryLimit:
        //% "Invalid memory limit. Please enter megabytes, or 0 for the automatic limit."
        r = {"RendererMemoryLimitMB", 0, 0, 0, qtTrId("TEXT_RENDERER_MEMORY_LIMIT_INVALID")};
        break;
    }
    // The range and the fall-back are the preference's own, so the editor, korvelctl and imports agree.
    const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(QString::fromLatin1(r.key));
    Q_ASSERT(field && field->rangeForTyping());
    r.minimum = qint32(field->rangeForTyping()->minimum);
    r.maximum = qint32(field->rangeForTyping()->maximum);
    r.fallback = qint32(KVBrowserPrefSettings::factoryValue(*field).toLongLong());
    return r;
}

std::optional<qint32> BrowserPreferencesRules::accept(PreferenceNumber number, const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    const PreferenceNumberRule r = rule(number);
    if (!ok || value < r.minimum || value > r.maximum)
        return std::nullopt;
    return qint32(value);
}

bool BrowserPreferencesRules::isStrongPassword(const QString& password)
{
    static const QRegularExpression strong(
        QRegularExpression::anchoredPattern(QStringLiteral("(?=.*[a-z])(?=.*[A-Z])(?=.*\\d)(?=.*[$@$!%*?&])[A-Za-z\\d$@$!%*?&]{8,}")));
    return strong.match(password).hasMatch();
}

PreferenceRowStates BrowserPreferencesRules::rowStates(const KVBrowserPrefSettings& v)
{
    PreferenceRowStates s;
    s.passwordTimeout = v.restrictSettings;
    s.customUserAgentHeader = v.enableCustomUserAgentHeader;
    s.popupInSameWindow = v.allowPopup;
    s.iconResizeAndRelocation = !v.useMultiTab;
    s.downloadFollowUps = v.isAllowFileDownloadInDevice;
    s.port = !v.serverSwitchOnOFF;
    return s;
}

void BrowserPreferencesRules::setToolbar(KVBrowserPrefSettings& values, bool on)
{
    values.enableToolBar = on;
    if (on)
        values.enableMenu = false;
}

void BrowserPreferencesRules::setMenu(KVBrowserPrefSettings& values, bool on)
{
    values.enableMenu = on;
    if (on)
        values.enableToolBar = false;
}

namespace {

using P = KVBrowserPrefSettings;

// The editor's switches, segments and texts: each is written only when the administrator changed it.
constexpr bool P::*switches[] = {
    &P::bounceSwitch, &P::restrictSettings, &P::preventSuspend, &P::zoomEnable, &P::fullScreen, &P::goHomeOnIdleTimeout,
    &P::offlineBrowsingCache, &P::privateBrowsing, &P::pluginsEnable, &P::enableToolBar, &P::enableMenu,
    &P::goHomeOnNetworkGain, &P::accessDenied, &P::makeToast, &P::serverSwitchOnOFF, &P::allowPopup,
    &P::allowPopupInSameWindow, &P::allowDragDrop, &P::allowResize, &P::ignoreSslWarnings, &P::enableCopyPaste,
    &P::enableRefreshOnError, &P::enableloadingIcon, &P::enableCustomUserAgentHeader, &P::enableGuidedAccessMode,
    &P::isAllowOpenFileInGoogleDocs, &P::isAllowFileDownloadInDevice, &P::isAllowOpenFileAfterDownload,
    &P::isAllowKeepDownloadHistory};
constexpr qint32 P::*segments[] = {&P::wallpaperStyle, &P::browserOrientation};
constexpr QString P::*texts[] = {&P::wallpaper, &P::uploadAccessCode, &P::customUserAgentHeader, &P::restartDailyAt};

struct NumberField {
    PreferenceNumber number;
    QString BrowserPreferencesForm::*text;
    qint32 P::*member;
};
const NumberField numbers[] = {
    {PreferenceNumber::Zoom, &BrowserPreferencesForm::zoom, &P::intZoom},
    {PreferenceNumber::IdleTimeout, &BrowserPreferencesForm::idleTimeout, &P::idleTimeout},
    {PreferenceNumber::PasswordTimeout, &BrowserPreferencesForm::passwordTimeout, &P::passwordTimeout},
    {PreferenceNumber::NumberOfTaps, &BrowserPreferencesForm::numberTaps, &P::numberTaps},
    {PreferenceNumber::Port, &BrowserPreferencesForm::port, &P::port},
    {PreferenceNumber::RendererMemoryLimit, &BrowserPreferencesForm::memoryLimit, &P::rendererMemoryLimitMB},
};

}  // namespace

QStringList BrowserPreferencesRules::writeBack(KVBrowserPrefSettings& record, const BrowserPreferencesForm& opened,
                                               const BrowserPreferencesForm& form)
{
    const KVBrowserPrefSettings& was = opened.values;
    const KVBrowserPrefSettings& v = form.values;
    // Only what the administrator changed is written: anything else keeps the record's value as it
    // is now (korvelctl or an import may have set it meanwhile), also a stored value outside what
    // the editor lets one type (an idle timeout of 0, port 1024).
    for (bool P::*member : switches) {
        if (v.*member != was.*member)
            record.*member = v.*member;
    }
    for (qint32 P::*member : segments) {
        if (v.*member != was.*member)
            record.*member = v.*member;
    }
    for (QString P::*member : texts) {
        if (v.*member != was.*member)
            record.*member = v.*member;
    }
    // A daily restart time the kiosk could not read is not written: the one in force stays.
    if (!record.restartDailyAt.isEmpty() && !DailyRestart::parse(record.restartDailyAt))
        record.restartDailyAt = was.restartDailyAt;
    if (v.brightness != was.brightness)
        record.brightness = qBound(0.0f, v.brightness, 1.0f);
    for (const NumberField& n : numbers) {
        if (form.*n.text != opened.*n.text)
            record.*n.member = accept(n.number, form.*n.text).value_or(rule(n.number).fallback);
    }
    // Tabbed browsing lays icons out itself.
    if (record.useMultiTab)
        record.allowDragDrop = record.allowResize = false;
    if (record.enableCustomUserAgentHeader && record.customUserAgentHeader.trimmed().isEmpty())
        record.customUserAgentHeader = QStringLiteral("Korvel");

    const KVBrowserPrefSettings& r = record;
    return {
        formatString(QStringLiteral("WebView Bounce value changed: %hhd"), r.bounceSwitch),
        formatString(QStringLiteral("Restrict Setings Changed: %hhd"), r.restrictSettings),
        formatString(QStringLiteral("Wallpaperstyle Changed: %i"), r.wallpaperStyle),
        formatString(QStringLiteral("Wallpaper Changed: %@"), r.wallpaper),
        formatString(QStringLiteral("Browser Orientation Changed: %i"), r.browserOrientation),
        formatString(QStringLiteral("Enable Prevent Suspend Changed: %hhd"), r.preventSuspend),
        formatString(QStringLiteral("Enable Zoom Chnaged: %hhd"), r.zoomEnable),
        formatString(QStringLiteral("Enable Fullscreen Changed: %hhd"), r.fullScreen),
        formatString(QStringLiteral("Go home on IdleTimeout changed: %hhd"), r.goHomeOnIdleTimeout),
        formatString(QStringLiteral("Clear Application Cache Changed: %hhd"), r.offlineBrowsingCache),
        formatString(QStringLiteral("Zoom scale set: %d"), r.intZoom),
        formatString(QStringLiteral("Clear Cookies Changed: %hhd"), r.privateBrowsing),
        formatString(QStringLiteral("Enable Plugins Changed: %hhd"), r.pluginsEnable),
        formatString(QStringLiteral("Enable ToolBar Changed: %hhd"), r.enableToolBar),
        formatString(QStringLiteral("Enable Menu Changed: %hhd"), r.enableMenu),
        formatString(QStringLiteral("Go Home on Network Gain Changed: %hhd"), r.goHomeOnNetworkGain),
        formatString(QStringLiteral("Access Denied HomePage Changed: %hhd"), r.accessDenied),
        formatString(QStringLiteral("IdleTimeout value changed: %i"), r.idleTimeout),
        formatString(QStringLiteral("Password Timeout value changed: %i"), r.passwordTimeout),
        formatString(QStringLiteral("Enable Toast Messages changed:%hhd"), r.makeToast),
        formatString(QStringLiteral("Number of Taps Changed: %i"), r.numberTaps),
        formatString(QStringLiteral("Server State Changed: %@"), r.serverSwitchOnOFF ? QStringLiteral("On") : QStringLiteral("Off")),
        formatString(QStringLiteral("Server Port Changed: %i"), r.port),
        formatString(QStringLiteral("Allow PopUp value changed: %hhd"), r.allowPopup),
        formatString(QStringLiteral("Allow Drag & Drop value changed: %hhd"), r.allowDragDrop),
        formatString(QStringLiteral("Brightness changed: %f"), double(r.brightness)),
        formatString(QStringLiteral("Allow Icon Resize value changed: %hhd"), r.allowResize),
        formatString(QStringLiteral("Enable Custom User Agent Header value changed: %hhd"), r.enableCustomUserAgentHeader),
        formatString(QStringLiteral("Enable Guided Access Mode vale changed: %hhd"), r.enableGuidedAccessMode),
        // Whether there is a code, never the code.
        formatString(QStringLiteral("Upload Access Code set: %@"), r.uploadAccessCode.isEmpty() ? QStringLiteral("No") : QStringLiteral("Yes")),
        formatString(QStringLiteral("Renderer Memory Limit set: %i MB"), r.rendererMemoryLimitMB),
        formatString(QStringLiteral("Restart Daily At set: %@"), r.restartDailyAt.isEmpty() ? QStringLiteral("never") : r.restartDailyAt),
    };
}

}  // namespace korvel
