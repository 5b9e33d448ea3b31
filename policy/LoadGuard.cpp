#include "policy/LoadGuard.h"

#include "policy/LoadLearning.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

// Pages a kiosk keeps counts for at once; older visits are forgotten beyond it.
constexpr qsizetype maximumVisits = 64;

}  // namespace

LoadGuard::LoadGuard()
{
    // Nothing refused until the settings give a policy.
    m_policy.store(std::make_shared<const SubresourcePolicy>());
}

QString LoadGuard::visitKey(const QUrl& page)
{
    return page.adjusted(QUrl::RemoveFragment).toString(QUrl::FullyEncoded);
}

void LoadGuard::startVisit(const QUrl& page)
{
    QMutexLocker lock(&m_visitsMutex);
    if (m_visits.size() >= maximumVisits)
        m_visits.clear();
    m_visits.insert(visitKey(page), Visit());
}

LoadDecision LoadGuard::check(const QUrl& url, const QUrl& page, LoadType type)
{
    const std::shared_ptr<const SubresourcePolicy> policy = m_policy.load();
    LoadDecision decision = policy->decide(url, page);
    if (policy->learning() && m_learning)
        m_learning->record(policy->websiteOf(page), url.host(), type);
    if (decision.allowed())
        return decision;
    bool report = false;
    {
        QMutexLocker lock(&m_visitsMutex);
        Visit& visit = m_visits[visitKey(page)];
        ++visit.refused;
        const QString host = url.host();
        if (!visit.loggedHosts.contains(host)) {
            visit.loggedHosts.insert(host);
            report = true;
        }
    }
    if (report && m_reporter)
        m_reporter(page, url, type, decision);
    return decision;
}

int LoadGuard::refusedCount(const QUrl& page) const
{
    QMutexLocker lock(&m_visitsMutex);
    return m_visits.value(visitKey(page)).refused;
}

}  // namespace korvel
