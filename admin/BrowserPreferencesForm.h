#pragma once

#include "settings/KVBrowserPrefSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// The browser-preferences editor's controls: the record's switches, segments, slider and texts as
// they stand, and the numeric fields as typed (refused text never reaches the record).
struct BrowserPreferencesForm {
    KVBrowserPrefSettings values;
    QString idleTimeout;
    QString passwordTimeout;
    QString numberTaps;
    QString port;
    QString zoom;
    QString memoryLimit;
    QString password;  // a new password; empty keeps the stored one

    // The form showing `record`.
    static BrowserPreferencesForm fromRecord(const KVBrowserPrefSettings& record);
};

// The editor's numeric fields, checked while they are typed.
enum class PreferenceNumber { IdleTimeout, PasswordTimeout, NumberOfTaps, Port, Zoom, RendererMemoryLimit };

struct PreferenceNumberRule {
    const char* key;  // the preference, whose allowed values the rule takes
    qint32 minimum;
    qint32 maximum;
    qint32 fallback;
    QString message;  // shown when typed text is refused
};

// Which rows of the editor can be used, from the controls that govern them.
struct PreferenceRowStates {
    bool passwordTimeout = true;
    bool customUserAgentHeader = true;
    bool popupInSameWindow = true;
    bool iconResizeAndRelocation = true;
    bool downloadFollowUps = true;  // open after download, keep history
    bool port = true;
};

// The rules of the browser-preferences editor, apart from its widgets.
class BrowserPreferencesRules {
public:
    static PreferenceNumberRule rule(PreferenceNumber number);
    // The value of `text` when it is decimal digits only and within the rule's range.
    static std::optional<qint32> accept(PreferenceNumber number, const QString& text);

    // At least eight of letters, digits and $@!%*?&, with a lower-case and an upper-case letter, a
    // digit and a symbol.
    static bool isStrongPassword(const QString& password);

    static PreferenceRowStates rowStates(const KVBrowserPrefSettings& values);

    // "Show Navigation Toolbar" and "Show Options Menu" exclude each other: switching one on
    // switches the other off.
    static void setToolbar(KVBrowserPrefSettings& values, bool on);
    static void setMenu(KVBrowserPrefSettings& values, bool on);

    // Writes into `record` what differs between `form` and `opened` (the form as the editor showed
    // the record): refused numbers become their fall-backs; everything the administrator left
    // alone keeps the record's present value. Tabbed browsing turns icon resize and relocation
    // off, an enabled empty custom header becomes "Korvel". Returns the lines to log under
    // "Settings", in order.
    static QStringList writeBack(KVBrowserPrefSettings& record, const BrowserPreferencesForm& opened, const BrowserPreferencesForm& form);
};

}  // namespace korvel
