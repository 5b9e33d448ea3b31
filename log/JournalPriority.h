#pragma once

#include <QString>

#include <optional>

namespace korvel {

// The syslog priority an event-log entry carries in the journal, so that a fleet can watch for
// failures (3), refusals (4) and administrative actions (5) among the kiosk's ordinary events (6).
// Navigation tracing and import internals stay on the device: they mean something to Korvel's
// developers, not to the people who watch a fleet.
namespace JournalPriority {

inline constexpr int error = 3;
inline constexpr int refusal = 4;
inline constexpr int action = 5;
inline constexpr int information = 6;

// The priority of one entry, or nothing when the entry is not sent to the journal at all.
std::optional<int> of(const QString& category, const QString& message);

}  // namespace JournalPriority

}  // namespace korvel
