#pragma once

#include "settings/KVBrowserPrefSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvel {

// The texts a settings screen shows for a preference, translated. Each has an id made from the
// preference's key: PREF_<Key>_TITLE, PREF_<Key>_DETAIL and PREF_<Key>_VALUE_<Name>, whose English
// in the catalogue is the schema's own text. A text the catalogue lacks is shown in English.
QByteArray shownTitleId(const KVBrowserPrefSettings::Field& field);
QByteArray shownDetailId(const KVBrowserPrefSettings::Field& field);
QByteArray shownValueNameId(const KVBrowserPrefSettings::Field& field, const QString& englishName);

// Empty for a preference that no screen shows (title, detail) or that has no named values.
QString shownTitle(const KVBrowserPrefSettings::Field& field);
QString shownDetail(const KVBrowserPrefSettings::Field& field);
QStringList shownValueNames(const KVBrowserPrefSettings::Field& field);

// The same by key ("IdleTimeout"); empty for an unknown key.
QString shownTitle(const char* key);
QString shownDetail(const char* key);
QStringList shownValueNames(const char* key);

}  // namespace korvel
