#include "transfer/StartSiteWatch.h"

namespace korvel {

bool StartSiteWatch::worthWatching(const std::optional<QUrl>& startSite, const std::optional<QUrl>& previousStartSite)
{
    return startSite && previousStartSite && !startSite->isEmpty() && !previousStartSite->isEmpty() && *startSite != *previousStartSite;
}

void StartSiteWatch::begin(const Watched& watched)
{
    m_watched = watched;
    m_lastFailureWhileUp.reset();
    m_failing = std::chrono::seconds(0);
}

void StartSiteWatch::end()
{
    m_watched.reset();
    m_lastFailureWhileUp.reset();
    m_failing = std::chrono::seconds(0);
}

StartSiteWatch::Next StartSiteWatch::startSiteLooked(const QDateTime& now, bool networkUp, bool loaded)
{
    if (!m_watched)
        return Next::None;
    if (loaded) {
        end();
        return Next::Accepted;
    }
    if (m_watched->since.secsTo(now) >= std::chrono::duration_cast<std::chrono::seconds>(longest).count()) {
        end();
        return Next::GiveUp;
    }
    // Only a stretch between two failures that both saw the network up counts; a clock set back
    // counts nothing.
    if (networkUp && m_lastFailureWhileUp && *m_lastFailureWhileUp <= now)
        m_failing += std::chrono::seconds(m_lastFailureWhileUp->secsTo(now));
    m_lastFailureWhileUp = networkUp ? std::optional<QDateTime>(now) : std::nullopt;
    return m_failing >= grace ? Next::AskPrevious : Next::KeepWatching;
}

StartSiteWatch::Next StartSiteWatch::previousLooked(bool loaded)
{
    if (!m_watched)
        return Next::None;
    if (!loaded)
        return Next::KeepWatching;
    end();
    return Next::RollBack;
}

}  // namespace korvel
