#pragma once

#include <QStringList>
#include <QVariantMap>

namespace korvel {

// What differs between two sets of stored settings (application domains of the defaults store),
// as lines an administrator reads: preferences "old -> new", websites, categories and blocked
// websites added, removed or changed, and the other settings. Values a store fills in (factory
// preferences, identifiers an import renumbers) do not count as differences.
namespace SettingsDiff {

QStringList between(const QVariantMap& before, const QVariantMap& after);

}  // namespace SettingsDiff

}  // namespace korvel
