#include "transfer/StartSiteWatch.h"

namespace korvel {

namespace {

const QString startSiteKey = QStringLiteral("StartSite");
const QString previousStartSiteKey = QStringLiteral("PreviousStartSite");
const QString documentKey = QStringLiteral("Document");
const QString previousEntryKey = QStringLiteral("PreviousEntry");
const QString appliedEntryKey = QStringLiteral("AppliedEntry");
const QString sinceKey = QStringLiteral("Since");
const QString lastFailureKey = QStringLiteral("LastFailure");
const QString failingKey = QStringLiteral("FailingSeconds");

bool isInteger(const QVariant& value)
{
    return value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int || value.typeId() == QMetaType::ULongLong
           || value.typeId() == QMetaType::UInt;
}

}  // namespace

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
    // counts nothing, nor does a stretch nobody looked through (the kiosk off or asleep).
    if (networkUp && m_lastFailureWhileUp && *m_lastFailureWhileUp <= now
        && m_lastFailureWhileUp->secsTo(now) <= std::chrono::duration_cast<std::chrono::seconds>(2 * interval).count())
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

QVariantMap StartSiteWatch::toDictionary() const
{
    if (!m_watched)
        return {};
    QVariantMap d{{startSiteKey, m_watched->startSite.toString()},
                  {previousStartSiteKey, m_watched->previousStartSite.toString()},
                  {documentKey, m_watched->document},
                  {previousEntryKey, m_watched->previousEntry},
                  {appliedEntryKey, m_watched->appliedEntry},
                  {sinceKey, m_watched->since},
                  {failingKey, qint64(m_failing.count())}};
    if (m_lastFailureWhileUp)
        d.insert(lastFailureKey, *m_lastFailureWhileUp);
    return d;
}

bool StartSiteWatch::restore(const QVariantMap& d)
{
    end();
    const QUrl startSite(d.value(startSiteKey).toString());
    const QUrl previousStartSite(d.value(previousStartSiteKey).toString());
    const qint64 failing = d.value(failingKey).toLongLong();
    if (d.value(startSiteKey).typeId() != QMetaType::QString || d.value(previousStartSiteKey).typeId() != QMetaType::QString
        || d.value(documentKey).typeId() != QMetaType::QString || !isInteger(d.value(previousEntryKey))
        || !isInteger(d.value(appliedEntryKey)) || d.value(sinceKey).typeId() != QMetaType::QDateTime || !isInteger(d.value(failingKey))
        || (d.contains(lastFailureKey) && d.value(lastFailureKey).typeId() != QMetaType::QDateTime) || failing < 0
        || !worthWatching(startSite, previousStartSite))
        return false;
    m_watched = Watched{startSite, previousStartSite, d.value(documentKey).toString(), d.value(previousEntryKey).toLongLong(),
                        d.value(sinceKey).toDateTime(), d.value(appliedEntryKey).toLongLong()};
    m_failing = std::chrono::seconds(failing);
    if (d.contains(lastFailureKey))
        m_lastFailureWhileUp = d.value(lastFailureKey).toDateTime();
    return true;
}

}  // namespace korvel
