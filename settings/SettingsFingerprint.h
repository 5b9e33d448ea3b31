#pragma once

#include <QString>
#include <QVariantMap>

namespace korvel {

// A short name for "these settings": SHA-256 of the canonical XML property list of the stored
// settings (the application domain of the defaults store) without the device-information entry,
// which differs between devices that were given the same configuration. Two kiosks with the same
// fingerprint run the same settings; a fleet spots the odd one out in the start lines.
namespace SettingsFingerprint {

// 64 lower-case hexadecimal digits. Keys are written in sorted order, so the order in which the
// settings were made does not change the result.
QString of(const QVariantMap& storedSettings);

}  // namespace SettingsFingerprint

}  // namespace korvel
