#pragma once

#include <QString>
#include <QVariantMap>

#include <optional>

namespace korvel {

// The choices of the periodic automatic import. It stays on its device: it is stored with the
// settings but never exported.
struct KVAutoImportSettings {
    qint32 periodicity = 0;  // minutes
    bool doAutoImport = false;
    QString cloudID;
    qint32 importFrom = 0;  // 0 file, 1 cloud, 2 URL
    QString oldXMLSettings;  // Base64 of the document text applied last
    QString fileURLName;
    QString urlAutoImport;
    QString fileAutoImport;  // relative to the documents directory
    QString fileExport;
    QString urlImport;
    QString fileImport;

    static KVAutoImportSettings init();
    void loadDefaults();

    // No dictionary gives the defaults; otherwise each key is taken directly, so a missing number
    // reads as 0 or false and a missing text as none.
    static KVAutoImportSettings initWithDictionary(const std::optional<QVariantMap>& dictionary);
    // Texts that hold no value are left out.
    QVariantMap toDictionary() const;

    bool operator==(const KVAutoImportSettings&) const = default;
};

}  // namespace korvel
