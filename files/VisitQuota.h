#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

struct KVBrowserPrefSettings;

// What one visitor may put into Documents: downloaded files and pages printed into files, together
// no more than the "DownloadQuota" preference (megabytes; 0, as documents from before it read,
// means 100). A visit ends when its data is cleared, and with the first touch after `visitGap`
// without one: the next person has come.
class VisitQuota {
public:
    static constexpr qint64 defaultMegabytes = 100;
    static constexpr std::chrono::minutes visitGap{3};

    static VisitQuota& shared();

    // The visit's limit in bytes.
    static qint64 limit(const KVBrowserPrefSettings& p);
    // Bytes the visit may still put into Documents; 0 when it has used its quota.
    qint64 left(const KVBrowserPrefSettings& p) const;
    qint64 used() const { return m_used; }
    // Counts `bytes` against the visit. Takes nothing and returns false when they do not fit.
    bool take(qint64 bytes, const KVBrowserPrefSettings& p);
    // Bytes that did not stay in Documents after all (a download that failed, a file removed).
    void giveBack(qint64 bytes);

    // A touch at `now`; after a long pause it starts a new visit.
    void touched(const QDateTime& now);
    void endVisit();

private:
    qint64 m_used = 0;
    QDateTime m_lastTouch;
};

}  // namespace korvel
