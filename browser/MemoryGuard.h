#pragma once

#include <QDateTime>

#include <chrono>
#include <optional>

namespace korvel {

// Keeps a page's renderer from growing without end: past the limit, the page is reloaded at the
// next idle moment (no touch for `quiet`), never under a visitor's finger; once reloaded, not again
// for 10 minutes, so a page that is simply large is not reloaded over and over.
class MemoryGuard {
public:
    static constexpr std::chrono::minutes rest{10};
    static constexpr qint64 mebibyte = 1024 * 1024;

    enum class Action { Keep, Reload };

    // The limit in bytes: the "RendererMemoryLimitMB" preference, or for 0 (the factory value)
    // 1 GiB or half the memory, whichever is less.
    static qint64 limitBytes(qint32 preferenceMB, qint64 physicalBytes);

    // A sample of the renderer's resident memory at `now`; `lastInput` is the visitor's last touch
    // (invalid: none yet).
    Action sample(qint64 residentBytes, qint64 limit, const QDateTime& lastInput, const QDateTime& now, std::chrono::seconds quiet);
    bool waitingForIdle() const { return m_over; }

    // Resident memory of process `pid` from /proc; 0 when it cannot be read (gone, not Linux).
    static qint64 residentBytes(qint64 pid);
    // The machine's memory; 0 when unknown.
    static qint64 physicalBytes();

private:
    bool m_over = false;
    QDateTime m_reloadedAt;
};

}  // namespace korvel
