#include "transfer/StartSiteGuard.h"

#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/Timer.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"
#include "settings/allowedWebsite.h"
#include "transfer/SettingsHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace korvel {

namespace {

const QString category = QStringLiteral("Import");
const QString watchFile = QStringLiteral("start-site-watch.plist");

}  // namespace

StartSiteGuard::StartSiteGuard(NetworkUp networkUp, QObject* parent)
    : QObject(parent)
    , m_networkUp(std::move(networkUp))
    , m_timer(new Timer(this))
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_timer, &Timer::timeout, this, &StartSiteGuard::look);
}

StartSiteGuard::~StartSiteGuard()
{
    if (m_reply)
        m_reply->abort();
}

std::optional<QUrl> StartSiteGuard::startSiteOf(const QList<allowedWebsite>& websites)
{
    for (const allowedWebsite& website : websites) {
        if (!website.runAtStartup)
            continue;
        const std::optional<QUrl> url = website.parsedURL();
        if (!url)
            return std::nullopt;
        return url->isLocalFile() || url->scheme() == QLatin1String("file") ? WebsiteAddress::appendDocDirectoryPathIfFileURL(*url) : *url;
    }
    return std::nullopt;
}

void StartSiteGuard::importApplied(const AppliedImport& applied)
{
    stop();
    if (!applied.source.isWatched())
        return;
    const std::optional<QUrl> startSite = startSiteOf(KVSettings::getSettingsObject().allowedWebsites);
    std::optional<QUrl> previousStartSite;
    for (const SettingsHistoryEntry& entry : SettingsHistory::entries()) {
        if (entry.sequence == applied.previousEntry) {
            previousStartSite = startSiteOf(KVSettings::buildAWABrrayFromDictArray(KVSettings::listOf(
                entry.settings.value(QString::fromLatin1(KVSettings::allowedWebsitesKey)))));
            break;
        }
    }
    if (!StartSiteWatch::worthWatching(startSite, previousStartSite))
        return;
    // The entry this document wrote: any later one (an import, a rollback) makes the watch old.
    const std::optional<SettingsHistoryEntry> newest = SettingsHistory::newest();
    m_watch.begin({*startSite, *previousStartSite, applied.document, applied.previousEntry, Clock::instance().now(),
                   newest && newest->document == applied.document ? newest->sequence : 0});
    KVLog(category, QStringLiteral("Watching the start website %@ after the settings from %@"), startSite->toString(), applied.source.describe());
    save();
    look();
    m_timer->start(StartSiteWatch::interval, TimerMode::Repeating);
}

void StartSiteGuard::stop()
{
    m_timer->stop();
    m_resuming = false;
    const bool watching = m_watch.isWatching();
    m_watch.end();
    if (watching || QFileInfo::exists(file()))
        save();
    m_looking = false;
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

QString StartSiteGuard::file()
{
    return Paths::settingsHistoryDirectory() + QLatin1Char('/') + watchFile;
}

void StartSiteGuard::save()
{
    QString error;
    bool saved = true;
    if (m_watch.isWatching()) {
        saved = QDir().mkpath(Paths::settingsHistoryDirectory())
                && PropertyList::writeFile(file(), m_watch.toDictionary(), &error, FileAccess::OwnerOnly);
        if (!saved && error.isEmpty())
            error = Paths::settingsHistoryDirectory() + QStringLiteral(": the folder could not be made");
    } else if (QFileInfo::exists(file()) && !QFile::remove(file())) {
        saved = false;
        error = file() + QStringLiteral(": could not be removed");
    }
    // Once per run of failures, not every minute.
    if (!saved && !m_saveFailed)
        KVLog(QStringLiteral("Error"), QStringLiteral("The watch of the start website could not be kept for a restart: %@"), error);
    m_saveFailed = !saved;
}

void StartSiteGuard::resume()
{
    if (m_watch.isWatching() || !QFileInfo::exists(file()))
        return;
    const PropertyListParse parsed = PropertyList::readFile(file());
    StartSiteWatch kept;
    QString stale;
    if (!parsed.ok() || parsed.value.typeId() != QMetaType::QVariantMap || !kept.restore(parsed.value.toMap())) {
        stale = QStringLiteral("its file cannot be read");
    } else {
        const StartSiteWatch::Watched& watched = *kept.watched();
        const std::optional<SettingsHistoryEntry> newest = SettingsHistory::newest();
        if (!newest || newest->sequence != watched.appliedEntry || newest->document != watched.document
            || watched.previousEntry >= watched.appliedEntry || !ImportExport::holdsSettingsInForce(*newest))
            stale = QStringLiteral("the settings changed since");
        else if (startSiteOf(KVSettings::getSettingsObject().allowedWebsites) != std::optional<QUrl>(watched.startSite))
            stale = QStringLiteral("the start website changed since");
    }
    if (!stale.isNull()) {
        KVLog(category, QStringLiteral("The watch of the start website left by the last run is not taken up: %@"), stale);
        save();
        return;
    }
    m_watch = kept;
    const StartSiteWatch::Watched& watched = *m_watch.watched();
    KVLog(category, QStringLiteral("Watching the start website %@ again after a restart (%@ of failure so far)"), watched.startSite.toString(),
          QStringLiteral("%1 s").arg(m_watch.failingFor().count()));
    // The looks keep the minute they kept before the restart, so the stretch since the last one
    // counts as it would have.
    const QDateTime now = Clock::instance().now();
    const std::optional<QDateTime>& last = m_watch.lastFailureWhileUp();
    const qint64 intervalSeconds = std::chrono::duration_cast<std::chrono::seconds>(StartSiteWatch::interval).count();
    const qint64 due = last && *last <= now ? now.msecsTo(last->addSecs(intervalSeconds)) : 0;
    if (due > 0) {
        m_resuming = true;
        m_timer->start(std::chrono::milliseconds(due), TimerMode::SingleShot);
        return;
    }
    look();
    m_timer->start(StartSiteWatch::interval, TimerMode::Repeating);
}

void StartSiteGuard::look()
{
    if (m_resuming) {
        m_resuming = false;
        m_timer->start(StartSiteWatch::interval, TimerMode::Repeating);
    }
    if (!m_watch.isWatching() || m_looking)
        return;
    if (!m_networkUp || !m_networkUp()) {
        // Down time does not count; nothing to look at.
        m_watch.startSiteLooked(Clock::instance().now(), false, false);
        save();
        return;
    }
    m_looking = true;
    lookAt(m_watch.watched()->startSite, [this](bool loaded) { lookedAtStartSite(loaded); });
}

void StartSiteGuard::lookedAtStartSite(bool loaded)
{
    m_looking = false;
    const QUrl startSite = m_watch.watched() ? m_watch.watched()->startSite : QUrl();
    const StartSiteWatch::Next next = m_watch.startSiteLooked(Clock::instance().now(), !m_networkUp || m_networkUp(), loaded);
    save();
    switch (next) {
    case StartSiteWatch::Next::Accepted:
        m_timer->stop();
        KVLog(category, QStringLiteral("The start website %@ loads: the new settings stay"), startSite.toString());
        return;
    case StartSiteWatch::Next::GiveUp:
        m_timer->stop();
        KVLog(category, QStringLiteral("The start website %@ still does not load after a day; the settings are left as they are"),
              startSite.toString());
        return;
    case StartSiteWatch::Next::AskPrevious:
        m_looking = true;
        lookAt(m_watch.watched()->previousStartSite, [this](bool previous) { lookedAtPrevious(previous); });
        return;
    case StartSiteWatch::Next::None:
    case StartSiteWatch::Next::KeepWatching:
    case StartSiteWatch::Next::RollBack:
        return;
    }
}

void StartSiteGuard::lookedAtPrevious(bool loaded)
{
    m_looking = false;
    if (!m_watch.watched())
        return;
    const StartSiteWatch::Watched watched = *m_watch.watched();
    if (m_watch.previousLooked(loaded) != StartSiteWatch::Next::RollBack)
        return;
    m_timer->stop();
    // Whatever becomes of the rollback, it is not tried again after a restart.
    save();
    const QString why = QStringLiteral("the start website %1 did not load for %2 minutes while the network was up, and %3 of the settings before did")
                            .arg(watched.startSite.toString())
                            .arg(StartSiteWatch::grace.count())
                            .arg(watched.previousStartSite.toString());
    const ImportOutcome outcome = ImportExport::rollBack(watched.previousEntry, why);
    if (!outcome) {
        KVLog(category, QStringLiteral("Automatic rollback failed, the settings stay: %@"), outcome.reason);
        return;
    }
    ImportExport::postImportSteps(category);
    Q_EMIT rolledBack();
}

void StartSiteGuard::lookAt(const QUrl& url, std::function<void(bool)> answer)
{
    if (url.isLocalFile()) {
        const bool loads = QFileInfo(url.toLocalFile()).isFile() && QFileInfo(url.toLocalFile()).isReadable();
        QMetaObject::invokeMethod(this, [answer = std::move(answer), loads] { answer(loads); }, Qt::QueuedConnection);
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        QMetaObject::invokeMethod(this, [answer = std::move(answer)] { answer(false); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(lookTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // The answer's status is enough; the page itself is not read.
    const auto decide = [this, reply, answer = std::move(answer)]() mutable {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool redirect = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
        // A failing answer is left to finish: the reply has reported its error already.
        if (!reply->isFinished() && (!status.isValid() || redirect || status.toInt() >= 400))
            return;
        const bool loads = status.isValid() && status.toInt() < 400 && (reply->isFinished() ? reply->error() == QNetworkReply::NoError : true);
        reply->disconnect(this);
        if (m_reply == reply)
            m_reply = nullptr;
        // The page itself is not wanted; a reply that ended is not aborted again.
        if (!reply->isFinished())
            reply->abort();
        reply->deleteLater();
        std::function<void(bool)> done = std::move(answer);
        done(loads);
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, decide);
    connect(reply, &QNetworkReply::finished, this, decide);
}

}  // namespace korvel
