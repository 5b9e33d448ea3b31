#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantMap>

#include <optional>
#include <span>
#include <variant>

namespace korvel {

class UserDefaults;

// Every scalar setting of the browser. A new record holds zero values (false, 0, no text);
// init() and loadDefaults() give the factory settings, which the rows of fields() name.
struct KVBrowserPrefSettings {
    bool enableRefreshOnError = false;
    bool enableCopyPaste = false;
    bool enablePhoneLinks = false;
    bool enablePrintLinks = false;
    bool enableDrivingMode = false;
    qint32 motionType = 0;  // 0 walking, 1 running, 2 automotive
    qint32 idleTimeout = 0;
    bool allowAllWebsites = false;
    bool allowContentBlocking = false;
    QString strBlockedKeyWord;
    bool ignoreSslWarnings = false;
    bool goHomeOnNetworkGain = false;
    bool goHomeOnIdleTimeout = false;
    bool enableMenu = false;
    bool privateBrowsing = false;
    bool offlineBrowsingCache = false;
    bool pluginsEnable = false;
    QString wallpaper;
    bool zoomEnable = false;
    bool fullScreen = false;
    bool preventSuspend = false;
    qint32 wallpaperStyle = 0;
    qint32 browserOrientation = 0;  // 0 any, 1 landscape, 2 portrait
    qint32 passwordTimeout = 0;     // minutes
    bool restrictSettings = false;
    QString userAgents;
    bool makeToast = false;
    bool enableScreenSaver = false;
    QString screenSaverURL;
    bool enableToolBar = false;
    qint32 numberTaps = 0;
    bool accessDenied = false;
    bool serverSwitchOnOFF = false;
    qint32 port = 0;
    QString uploadAccessCode;  // empty: the upload server asks for no code
    bool uploadServerTLS = false;  // HTTPS with the device's own certificate
    qint32 intZoom = 0;  // percent
    bool bounceSwitch = false;
    bool allowPopup = false;
    bool allowPopupInSameWindow = false;
    bool enableRefreshButton = false;
    bool enableHomeButton = false;
    bool enableBackButton = false;
    bool enableForwardButton = false;
    bool enablePrintButton = false;
    QString refreshImage;
    QString homeImage;
    QString backImage;
    QString forwardImage;
    QString printImage;
    QString toolbarImage;
    float brightness = 0;  // 0 to 1
    bool allowDragDrop = false;
    bool allowResize = false;
    bool enableScheduleSuspend = false;
    QTime startTime;  // invalid: no time
    QTime endTime;
    std::optional<QVariantMap> daysSelected;  // "Mon" ... "Sun" to bool
    bool alwaysSavePower = false;
    bool useMultiTab = false;
    bool enableloadingIcon = false;
    QString customUserAgentHeader;
    bool enableCustomUserAgentHeader = false;
    bool enableGuidedAccessMode = false;
    qint32 countOfTabs = 0;
    bool isAllowOpenFileInGoogleDocs = false;
    bool isAllowPDFViewer = false;
    bool isAllowDownloadInPDFViewer = false;
    bool isAllowPrintInPDFViewer = false;
    bool isAllowFileDownloadInDevice = false;
    bool isAllowOpenFileAfterDownload = false;
    bool isAllowKeepDownloadHistory = false;
    qint32 downloadQuota = 0;  // megabytes one visit may save into Documents; 0 means 100
    qint32 rendererMemoryLimitMB = 0;  // 0: 1 GiB or half the memory, whichever is less
    QString restartDailyAt;            // "HH:MM"; empty: no daily restart
    QString language;  // code of a shipped catalogue ("de"); empty: the system's language
    // The web engine's hardening switches; the first two take effect at the next start.
    bool disableJIT = false;
    bool limitWebRTC = false;
    bool blockThirdPartyCookies = false;
    // What an allowed page may load itself: in strict mode only from the allowed websites, the
    // hosts below and its own website's list; learn mode records what pages load.
    bool strictSubresources = false;
    QString alsoAllowedForLoading;  // hosts separated by commas
    bool learnSubresources = false;
    bool spatialNavigation = false;  // the arrow keys move between a page's links and fields
    qint32 largerText = 0;      // 0 as designed, 1 125 %, 2 150 % (the kiosk's texts and page zoom)
    bool highContrast = false;  // text contrast of the kiosk's own screens at least 7:1
    // The HTTPS control and status API; its bearer token's hash is kept apart from the settings.
    bool remoteControl = false;
    qint32 remoteControlPort = 0;
    QString remoteControlAddress;
    bool allowMediaAutoplay = false;
    // MQTT; the broker's password is kept apart from the settings.
    bool mqtt = false;
    QString mqttHost;
    qint32 mqttPort = 0;
    bool mqttTLS = false;
    QString mqttUser;
    QString mqttTopic;

    // How a property is written to and read from the dictionary form.
    enum class FieldType {
        Bool,
        IntegerBool,  // a flag written as the integer 0 or 1
        Int,
        String,
        Float,
        TimeOfDay,  // "hh:mm a" text
        Days,       // dictionary of day name to bool
    };
    using Member = std::variant<bool KVBrowserPrefSettings::*, qint32 KVBrowserPrefSettings::*,
                                QString KVBrowserPrefSettings::*, float KVBrowserPrefSettings::*,
                                QTime KVBrowserPrefSettings::*,
                                std::optional<QVariantMap> KVBrowserPrefSettings::*>;
    // The values a number may take.
    struct Range {
        double minimum = 0;
        double maximum = 0;

        bool contains(double value) const { return value >= minimum && value <= maximum; }
    };
    // Where a settings screen shows a preference, which the settings search leads to: the screen's
    // title, the row's section and its place in it, and the row's title and subtitle in English.
    // Screens show their translations (settings/ShownText.h), whose English must be these texts.
    struct Place {
        const char* screen = nullptr;
        int section = 0;
        int row = 0;
        const char* title = nullptr;
        const char* subtitle = nullptr;
    };
    // One preference, the whole of its schema: every store of a value is checked against it
    // (korvelctl and imports by `range`, the on-device editor by `typedRange`); the factory record,
    // the import fall-backs, `pref list --describe`, the settings reference and the settings search
    // are made from it. A new preference is its member above and its row.
    struct Field {
        const char* key;
        FieldType type;
        Member member;
        const char* description;
        std::optional<Range> range = std::nullopt;  // numbers only; none: any value of the type
        // Narrower where a stored value has a meaning nobody types: "IdleTimeout" under 10 turns
        // the idle timer off, and documents from other kiosks may carry port 1024.
        std::optional<Range> typedRange = std::nullopt;
        // The factory value as an administrator types it ("true", "10", "09:30 AM", "Mon,Tue");
        // none: false, 0 or the empty text.
        const char* factory = nullptr;
        // A factory value the device decides (the screen's present brightness), as typed.
        QString (*factoryNow)() = nullptr;
        // Names of a number's values 0, 1, 2... separated by "|", in English: typed names are
        // accepted for the numbers, and the editor shows their translations.
        const char* names = nullptr;
        Place place = {};  // none: no settings screen shows it

        std::optional<Range> rangeForTyping() const { return typedRange ? typedRange : range; }
        QStringList valueNames() const;

        Field byDefault(const char* text) const { Field f = *this; f.factory = text; return f; }
        Field byDefault(QString (*now)()) const { Field f = *this; f.factoryNow = now; return f; }
        Field named(const char* list) const { Field f = *this; f.names = list; return f; }
        Field shownAt(Place where) const { Field f = *this; f.place = where; return f; }
    };
    // The titles of the settings screens as places name them.
    struct Screens {
        static constexpr const char* browserPreferences = "Browser Preferences";
        static constexpr const char* advancedSettings = "Advanced Settings";
        static constexpr const char* navigationToolbar = "Configure Navigation Toolbar";
        static constexpr const char* multiTab = "MultiTab Settings";
        static constexpr const char* specialLinks = "Enable Special Links";
        static constexpr const char* pdfViewer = "Change PDF Viewer preferences";
        static constexpr const char* screensaver = "Screensaver Mode";
        static constexpr const char* powerSaver = "Power Saver Mode";
        static constexpr const char* motion = "Motion Detection Settings";
    };
    // The keys of the dictionary form, in the order toDictionary writes them.
    static std::span<const Field> fields();
    // The field of a dictionary key, or nullptr.
    static const Field* fieldForKey(const QString& key);
    // The field a settings screen shows at `section`, `row`, or nullptr.
    static const Field* fieldAt(const char* screen, int section, int row);
    // The fields a settings screen shows, by section (0, 1, ... up to the last used; a section
    // without a field is empty) and by row within it.
    static QList<QList<const Field*>> fieldsShownOn(const char* screen);
    // Takes from `edited` the values of every preference `screen` shows, the rest kept.
    void takeShownOn(const char* screen, const KVBrowserPrefSettings& edited);
    // The value the factory record holds for `field`, in the dictionary form.
    static QVariant factoryValue(const Field& field);

    static KVBrowserPrefSettings init();
    void loadDefaults();

    // No dictionary gives the defaults; a dictionary is read key by key over the defaults, after
    // withoutLegacyKeys(), so a missing key keeps its factory value. A value of the wrong kind
    // gives false, 0 or no value.
    static KVBrowserPrefSettings initWithDictionary(const std::optional<QVariantMap>& dictionary);
    // A legacy "HideMenu" becomes "EnableMenu" (negated).
    static QVariantMap withoutLegacyKeys(QVariantMap dictionary);
    // The repair of a stored dictionary: withoutLegacyKeys(), and "EnableSchedulePowerSaver" and
    // "AlwaysSavePower" that agree both false.
    static QVariantMap repairedDictionary(QVariantMap dictionary);
    // Replaces each number of a "BrowserPreferences" dictionary from elsewhere (an imported
    // document) that lies outside its preference's range by the factory value, and returns the
    // keys replaced. Values of the wrong kind are left to the reading rules above.
    static QStringList keepWithinRanges(QVariantMap& dictionary);
    // Text and dictionary properties that hold no value are left out.
    QVariantMap toDictionary() const;
    // The dictionary value of one field, as toDictionary() writes it (invalid when left out).
    QVariant valueForField(const Field& field) const;
    void setValueFromDictionary(const Field& field, const QVariant& value);

    // Repairs the "BrowserPreferences" dictionary stored in `defaults` (legacy "HideMenu", the
    // power-saver pair, missing keys filled with defaults) and resets this record to the defaults.
    void afterImportCheck(UserDefaults& defaults);
    void afterImportCheck();

    // "hh:mm a" in the en_US locale: "09:30 AM". An invalid time gives the empty text.
    static QString getTimeStringFromDate(const QTime& time);
    // The inverse; a text that does not match gives an invalid time.
    static QTime getDateFromTimeString(const QString& text);

    bool operator==(const KVBrowserPrefSettings&) const = default;
};

}  // namespace korvel
