#pragma once

#include "settings/KVBrowserPrefSettings.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace korvel {

// Preference values as an administrator types and reads them: "true"/"false", numbers, plain text,
// times as "09:30 AM", and the selected days as "Mon,Tue,...".
class PreferenceText {
public:
    // The value of `field` in `record` as text.
    static QString format(const KVBrowserPrefSettings& record, const KVBrowserPrefSettings::Field& field);
    // The dictionary-form value that `text` stands for. Nothing, with the reason in `error`, when
    // the text is not a value of the field's type.
    static std::optional<QVariant> parse(const KVBrowserPrefSettings::Field& field, const QString& text,
                                         QString* error = nullptr);
    // The type's name as shown in messages ("boolean", "integer", ...).
    static QString typeName(KVBrowserPrefSettings::FieldType type);
};

}  // namespace korvel
