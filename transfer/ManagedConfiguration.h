#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace korvel {

class UserDefaults;

// A settings document pushed by device management: the "SettingsXML" text of the managed
// configuration, taken into the settings whenever it is new. A document is told from one already
// imported by the checksum of its text as delivered, remembered before the import, so that the
// store changes the import causes (and a document that does not parse) never import it again.
class ManagedConfiguration {
public:
    static constexpr const char* checksumKey = "mdmConfChecksum";
    static constexpr const char* settingsKey = "SettingsXML";

    // The MD5 digest of the text's UTF-8 bytes, 32 lower-case hexadecimal digits.
    static QString checksum(const QString& text);
    // The text as it is parsed: a CDATA wrapper removed, trimmed.
    static QByteArray preparedText(const QString& text);
    // `text` with every "&" that does not begin an entity or character reference written "&amp;".
    static QByteArray escapedAmpersands(const QByteArray& text);
    // The settings document in `text`, or the reason it is none: it does not parse (as it stands,
    // nor with its bare ampersands escaped), is not a dictionary, or a list or the preferences
    // have the wrong type.
    struct Parsed {
        std::optional<QVariantMap> document;
        QString error;
    };
    static Parsed parse(const QString& text);

    enum class Outcome {
        NoDocument,       // no managed configuration, or none with a settings text
        AlreadyImported,  // the remembered checksum is this text's
        Imported,
        Refused,          // new, but no usable document: the settings stay as they were
    };
    struct Check {
        Outcome outcome = Outcome::NoDocument;
        QStringList console;  // what the check writes to the console, in order
        QString error;        // for Refused
    };
    // The check run on every change of the defaults store; a new document replaces the settings
    // (ImportExport::replaceSettings), whole or not at all.
    static Check defaultsChanged(UserDefaults& defaults);
};

}  // namespace korvel
