#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace korvel {

// When a window last put a frame on screen. Each drawing window keeps one; whoever reports on the
// kiosk's health reads them all through `all()` (main thread only).
class FrameClock {
public:
    explicit FrameClock(QString window);
    ~FrameClock();
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    const QString& window() const { return m_window; }
    void framePainted(const QDateTime& at) { m_lastFrameAt = at; }
    // Invalid until the first frame.
    QDateTime lastFrameAt() const { return m_lastFrameAt; }
    // Milliseconds since the last frame at `now`; -1 when there was none.
    qint64 ageMs(const QDateTime& now) const;

    // The clocks of the windows alive now, oldest window first.
    static QList<const FrameClock*> all();

private:
    QString m_window;
    QDateTime m_lastFrameAt;
};

}  // namespace korvel
