#include "admin/BrowserPreferencesForm.h"

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
    return form;
}

PreferenceNumberRule BrowserPreferencesRules::rule(PreferenceNumber number)
{
    PreferenceNumberRule r{};
    switch (number) {
    case PreferenceNumber::IdleTimeout:
        r = {"IdleTimeout", 0, 0, 10, QStringLiteral("Invalid Timeout. Please enter value greater than 9 and less than 60000.")};
        break;
    case PreferenceNumber::PasswordTimeout:
        r = {"PasswordTimeout", 0, 0, 1, QStringLiteral("Invalid Timeout. Please enter value greater than 0 and less than 1000.")};
        break;
    case PreferenceNumber::NumberOfTaps:
        r = {"NumberOfTaps", 0, 0, 5, QStringLiteral("Invalid Number of Taps. Please enter value between or equal to 4 - 40.")};
        break;
    case PreferenceNumber::Port:
        r = {"Port", 0, 0, 8080, QStringLiteral("Port cannot be used. Please use port between 1024 and 65535")};
        break;
    case PreferenceNumber::Zoom:
        r = {"Zoom", 0, 0, 100, QStringLiteral("Invalid scale: Please enter between 100 and 999")};
        break;
    }
    // The range is the preference's own, so the editor, korvelctl and imports agree.
    const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(QString::fromLatin1(r.key));
    Q_ASSERT(field && field->rangeForTyping());
    r.minimum = qint32(field->rangeForTyping()->minimum);
    r.maximum = qint32(field->rangeForTyping()->maximum);
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

QStringList BrowserPreferencesRules::writeBack(KVBrowserPrefSettings& record, const BrowserPreferencesForm& form)
{
    const KVBrowserPrefSettings& v = form.values;
    const auto number = [](PreferenceNumber n, const QString& text) { return accept(n, text).value_or(rule(n).fallback); };
    // Only what the editor shows is copied: other screens' preferences stay as stored.
    record.bounceSwitch = v.bounceSwitch;
    record.restrictSettings = v.restrictSettings;
    record.wallpaperStyle = v.wallpaperStyle;
    record.wallpaper = v.wallpaper;
    record.browserOrientation = v.browserOrientation;
    record.preventSuspend = v.preventSuspend;
    record.zoomEnable = v.zoomEnable;
    record.fullScreen = v.fullScreen;
    record.goHomeOnIdleTimeout = v.goHomeOnIdleTimeout;
    record.offlineBrowsingCache = v.offlineBrowsingCache;
    record.intZoom = number(PreferenceNumber::Zoom, form.zoom);
    record.privateBrowsing = v.privateBrowsing;
    record.pluginsEnable = v.pluginsEnable;
    record.enableToolBar = v.enableToolBar;
    record.enableMenu = v.enableMenu;
    record.goHomeOnNetworkGain = v.goHomeOnNetworkGain;
    record.accessDenied = v.accessDenied;
    record.idleTimeout = number(PreferenceNumber::IdleTimeout, form.idleTimeout);
    record.passwordTimeout = number(PreferenceNumber::PasswordTimeout, form.passwordTimeout);
    record.makeToast = v.makeToast;
    record.numberTaps = number(PreferenceNumber::NumberOfTaps, form.numberTaps);
    record.serverSwitchOnOFF = v.serverSwitchOnOFF;
    record.port = number(PreferenceNumber::Port, form.port);
    record.uploadAccessCode = v.uploadAccessCode;
    record.allowPopup = v.allowPopup;
    record.allowPopupInSameWindow = v.allowPopupInSameWindow;
    // Tabbed browsing lays icons out itself.
    record.allowDragDrop = v.allowDragDrop && !record.useMultiTab;
    record.allowResize = v.allowResize && !record.useMultiTab;
    record.brightness = qBound(0.0f, v.brightness, 1.0f);
    record.ignoreSslWarnings = v.ignoreSslWarnings;
    record.enableCopyPaste = v.enableCopyPaste;
    record.enableRefreshOnError = v.enableRefreshOnError;
    record.enableloadingIcon = v.enableloadingIcon;
    record.enableCustomUserAgentHeader = v.enableCustomUserAgentHeader;
    record.customUserAgentHeader = v.enableCustomUserAgentHeader && v.customUserAgentHeader.trimmed().isEmpty()
                                       ? QStringLiteral("Korvel")
                                       : v.customUserAgentHeader;
    record.enableGuidedAccessMode = v.enableGuidedAccessMode;
    record.isAllowOpenFileInGoogleDocs = v.isAllowOpenFileInGoogleDocs;
    record.isAllowFileDownloadInDevice = v.isAllowFileDownloadInDevice;
    record.isAllowOpenFileAfterDownload = v.isAllowOpenFileAfterDownload;
    record.isAllowKeepDownloadHistory = v.isAllowKeepDownloadHistory;

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
    };
}

}  // namespace korvel
