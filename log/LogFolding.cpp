#include "log/LogFolding.h"

#include "platform/FormatString.h"

namespace korvel {

QString LogFolding::countText(const QString& message, qint64 repetitions)
{
    return formatString(QStringLiteral("%@ ... repeated %ld times"), message, repetitions);
}

LogFolding::Line* LogFolding::find(const QString& category, const QString& message)
{
    for (Line& line : m_lines) {
        if (line.message == message && line.category == category)
            return &line;
    }
    return nullptr;
}

LogFolding::Step LogFolding::next(const QString& category, const QString& message, const QDateTime& now)
{
    Line* line = find(category, message);
    const qint64 windowMs = std::chrono::milliseconds(window).count();
    // A clock set back counts as a fresh start rather than as a repetition long ago.
    if (line && (line->lastSeen.msecsTo(now) < 0 || line->lastSeen.msecsTo(now) >= windowMs)) {
        forget(category, message);
        line = nullptr;
    }
    if (!line) {
        if (m_lines.size() >= remembered)
            m_lines.removeFirst();
        m_lines.append({category, message, now, 0, 0});
        return {};
    }
    line->lastSeen = now;
    ++line->repetitions;
    Step step;
    step.text = countText(message, line->repetitions);
    step.kind = line->countRow > 0 ? Step::Kind::UpdateCount : Step::Kind::InsertCount;
    step.row = line->countRow;
    // Most recently seen last, so the oldest is let go first.
    const Line seen = *line;
    m_lines.removeIf([&](const Line& l) { return l.message == message && l.category == category; });
    m_lines.append(seen);
    return step;
}

void LogFolding::countWritten(const QString& category, const QString& message, qint64 row)
{
    if (Line* line = find(category, message))
        line->countRow = row;
}

void LogFolding::forget(const QString& category, const QString& message)
{
    m_lines.removeIf([&](const Line& l) { return l.message == message && l.category == category; });
}

}  // namespace korvel
