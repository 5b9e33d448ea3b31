#include "app/WindowGuard.h"

namespace korvel {

void WindowGuard::noteOwnChange(std::chrono::milliseconds now, std::chrono::milliseconds quiet)
{
    m_changedAt = now;
    m_quiet = quiet;
}

void WindowGuard::noteShown(std::chrono::milliseconds now)
{
    noteOwnChange(now, showQuietTime);
    m_shownAt = now;
}

WindowGuard::Step WindowGuard::check(const WindowObservation& observed, KioskWindowMode mode, std::chrono::milliseconds now)
{
    const WindowVerdict verdict = WindowCheck::check(observed, mode);
    if (verdict.faults.isEmpty()) {
        m_logged.clear();
        return {};
    }
    if (m_changedAt) {
        const auto since = now - *m_changedAt;
        if (since >= std::chrono::milliseconds(0) && since < m_quiet)
            return {};
    }
    noteOwnChange(now, settleTime);
    Step step;
    step.actions = verdict.actions;
    if (m_shownAt) {
        const auto sinceShown = now - *m_shownAt;
        if (sinceShown >= std::chrono::milliseconds(0) && sinceShown < showSettleTime)
            return step;
    }
    const QString what = verdict.description();
    if (what != m_logged)
        step.logLine = QStringLiteral("Window restored: ") + what;
    m_logged = what;
    return step;
}

}  // namespace korvel
