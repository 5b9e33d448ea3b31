#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <chrono>

namespace korvel {

// Folds repeated log lines, so that a page that reloads itself or a client that retries cannot push
// the administrator's events out of the log. A line (message and category) that was logged less
// than `window` before is not written again: one counting line, "<message> ... repeated N times",
// follows the first and is rewritten with each repetition. A line not seen for `window` is written
// as it is again.
class LogFolding {
public:
    static constexpr std::chrono::seconds window{60};
    // Distinct lines kept in mind at once; the least recently seen goes first.
    static constexpr int remembered = 64;

    struct Step {
        enum class Kind {
            Write,        // write the line as it is
            InsertCount,  // write `text` as a new row, then call countWritten() with its row id
            UpdateCount,  // rewrite row `row` with `text`; call forget() when it is gone
        };
        Kind kind = Kind::Write;
        QString text;
        qint64 row = 0;
    };

    Step next(const QString& category, const QString& message, const QDateTime& now);
    // The counting row asked for by the last InsertCount of this line was written as `row`.
    void countWritten(const QString& category, const QString& message, qint64 row);
    // The line's rows are no longer in the log (it was cleared): the line starts afresh.
    void forget(const QString& category, const QString& message);

    static QString countText(const QString& message, qint64 repetitions);

private:
    struct Line {
        QString category;
        QString message;
        QDateTime lastSeen;
        qint64 repetitions = 0;
        qint64 countRow = 0;  // 0: no counting row yet
    };
    Line* find(const QString& category, const QString& message);

    QList<Line> m_lines;  // most recently seen last
};

}  // namespace korvel
