#pragma once

#include "policy/SubresourcePolicy.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

namespace korvel {

class LoadLearning;

// Puts every request a page makes to the current SubresourcePolicy, on whatever thread the engine
// asks from. The policy is a snapshot swapped whole when the settings change, so a decision takes
// no lock; only a refusal (to count and log it) and learn mode do.
class LoadGuard {
public:
    // Called once per refused host per visit of a page, on the deciding thread.
    using Reporter = std::function<void(const QUrl& page, const QUrl& url, LoadType type, const LoadDecision& decision)>;

    LoadGuard();
    // Set before the first request; neither may change while requests are decided.
    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }
    void setLearning(LoadLearning* learning) { m_learning = learning; }

    void setPolicy(std::shared_ptr<const SubresourcePolicy> policy) { m_policy.store(std::move(policy)); }
    std::shared_ptr<const SubresourcePolicy> policy() const { return m_policy.load(); }

    // A top-level document starts loading at `page`: its count and logged hosts start afresh.
    void startVisit(const QUrl& page);
    // The decision for one request of the page at `page` (its top-level address).
    LoadDecision check(const QUrl& url, const QUrl& page, LoadType type);
    // Requests refused in the current visit of `page`.
    int refusedCount(const QUrl& page) const;

private:
    struct Visit {
        int refused = 0;
        QSet<QString> loggedHosts;
    };
    static QString visitKey(const QUrl& page);

    std::atomic<std::shared_ptr<const SubresourcePolicy>> m_policy;
    Reporter m_reporter;
    LoadLearning* m_learning = nullptr;
    mutable QMutex m_visitsMutex;
    QHash<QString, Visit> m_visits;
};

}  // namespace korvel
