#pragma once

#include "log/LogEntry.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace korvel {

enum class LogOrder { OldestFirst, NewestFirst };

// A reading of the event log: which categories, in which order, narrowed by a search text.
struct LogQuery {
    std::optional<QStringList> categories;  // nothing: every category
    LogOrder order = LogOrder::OldestFirst;
    QString search;  // kept entries' display lines contain it, ignoring case

    // The categories the log viewer can filter by, in the order of its options.
    static const QStringList& viewerCategories();

    // The matching entries; empty when the log cannot be read.
    QList<LogEntry> run() const;
    static QList<LogEntry> filter(const QList<LogEntry>& entries, const QString& search);
};

}  // namespace korvel
