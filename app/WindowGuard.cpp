#include "app/WindowGuard.h"

namespace korvel {

bool WindowGuard::within(std::chrono::milliseconds since, std::chrono::milliseconds limit)
{
    return since >= std::chrono::milliseconds(0) && since < limit;
}

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
    const auto describe = [](const QList<WindowFault>& faults) {
        WindowVerdict named;
        named.faults = faults;
        return named.description();
    };
    if (verdict.faults.isEmpty()) {
        // Only now has the window come back: a restoration asked for is not yet one done.
        Step step;
        if (!m_run.isEmpty() && !m_runIsShowing)
            step.logLine = QStringLiteral("Window restored: ") + describe(m_run);
        m_run.clear();
        m_runStarted = false;
        m_unrestoredLogged = false;
        return step;
    }
    // A clock set back starts the run afresh rather than making it ancient.
    if (!m_runStarted || now < m_runStart) {
        m_runStarted = true;
        m_runStart = now;
        m_runIsShowing = m_shownAt && within(now - *m_shownAt, showSettleTime);
    }
    const bool quiet = m_changedAt && within(now - *m_changedAt, m_quiet);
    // The run is named by what was first put right: what follows while the window system answers
    // the restoration (a geometry set drops a full-screen state here and there) is its way back.
    if (!quiet && m_run.isEmpty())
        m_run = verdict.faults;

    Step step;
    if (!m_runIsShowing && !m_unrestoredLogged && !within(now - m_runStart, unrestoredAfter)) {
        m_unrestoredLogged = true;
        step.logLine = QStringLiteral("Window not restored: ") + verdict.description();
    }
    if (quiet)
        return step;
    noteOwnChange(now, settleTime);
    step.actions = verdict.actions;
    return step;
}

}  // namespace korvel
