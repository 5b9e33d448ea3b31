#pragma once

#include <QString>

namespace korvel {

// One row of the event log.
struct LogEntry {
    QString event;
    QString date;  // local "yyyy-MM-dd HH:mm:ss"
    QString category;

    // "2026-12-06 07:30:15: Category: Event", the line the log viewer shows and mails.
    QString displayLine() const;

    bool operator==(const LogEntry&) const = default;
};

}  // namespace korvel
