#include "browser/ui/EngineProfiles.h"

#include "browser/EngineHardening.h"
#include "browser/VisitRules.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/LinkDragGuard.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "files/VisitQuota.h"
#include "files/ui/EngineFetch.h"
#include "files/ui/KVFileDownloader.h"
#include "log/KVLog.h"
#include "platform/Paths.h"
#include "platform/ProcessHeap.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"

#include <QNetworkCookie>
#include <QPointer>
#include <QWebEngineCookieStore>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlSchemeHandler>

#include <algorithm>
#include <atomic>
#include <utility>

namespace korvel {

namespace {

// The program's command scheme is known to the engine, so pages may navigate to it and each such
// navigation is put to the window's decision, which cancels it; should one ever get past, it is
// refused here and nothing is served.
class CommandSchemeHandler final : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override { job->fail(QWebEngineUrlRequestJob::RequestDenied); }
};

// The cookie filter runs on the engine's network thread: it reads the preference from here, kept
// current on the main thread.
std::atomic<bool> refuseThirdPartyCookies{true};

}  // namespace

EngineProfiles& EngineProfiles::instance()
{
    static EngineProfiles* profiles = new EngineProfiles;
    return *profiles;
}

QWebEngineProfile* EngineProfiles::current()
{
    if (!VisitRules::visitsApart(KVSettings::getSettingsObject().kvBrowPref))
        return persistent();
    if (!m_visitor)
        m_visitor = makeVisitorProfile();
    return m_visitor;
}

QWebEngineProfile* EngineProfiles::persistent()
{
    if (!m_persistent) {
        auto* p = new QWebEngineProfile(QStringLiteral("korvel"));
        p->setPersistentStoragePath(Paths::cachesDirectory() + QStringLiteral("/engine/storage"));
        p->setCachePath(Paths::cachesDirectory() + QStringLiteral("/engine/cache"));
        // A kiosk runs for months: the disk cache is bounded (32 MiB) rather than left to grow.
        p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        p->setHttpCacheMaximumSize(32 * 1024 * 1024);
        p->setUrlRequestInterceptor(KorvelWebEngine::interceptor());
        watch(p);
        m_persistent = p;
    }
    return m_persistent;
}

QWebEngineProfile* EngineProfiles::makeVisitorProfile()
{
    // A profile without a storage name is off the record: the engine writes nothing of it to disk.
    auto* p = new QWebEngineProfile;
    p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    p->setUrlRequestInterceptor(KorvelWebEngine::interceptor());
    watch(p);
    m_visitors.insert(p);
    return p;
}

void EngineProfiles::setUserAgent(const QString& userAgent)
{
    if (userAgent == m_userAgent)
        return;
    m_userAgent = userAgent;
    if (m_persistent)
        applyUserAgent(m_persistent);
    for (QWebEngineProfile* visitor : std::as_const(m_visitors))
        applyUserAgent(visitor);
}

void EngineProfiles::setAcceptLanguage(const QString& acceptLanguage)
{
    if (acceptLanguage == m_acceptLanguage)
        return;
    m_acceptLanguage = acceptLanguage;
    if (m_persistent)
        m_persistent->setHttpAcceptLanguage(m_acceptLanguage);
    for (QWebEngineProfile* visitor : std::as_const(m_visitors))
        visitor->setHttpAcceptLanguage(m_acceptLanguage);
}

void EngineProfiles::applyUserAgent(QWebEngineProfile* profile)
{
    if (m_engineUserAgent.isEmpty())
        m_engineUserAgent = profile->httpUserAgent();
    profile->setHttpUserAgent(m_userAgent.isEmpty() ? m_engineUserAgent : m_userAgent);
}

void EngineProfiles::watch(QWebEngineProfile* profile)
{
    applyUserAgent(profile);
    if (!m_acceptLanguage.isEmpty())
        profile->setHttpAcceptLanguage(m_acceptLanguage);
    LinkDragGuard::follow(profile);
    static auto* commands = new CommandSchemeHandler;
    for (const QByteArray& scheme : KorvelWebEngine::decidedSchemes())
        profile->installUrlSchemeHandler(scheme, commands);
    connect(profile, &QWebEngineProfile::downloadRequested, this, [this, profile](QWebEngineDownloadRequest* download) {
        // A download the engine resumes after a broken connection comes again under the same
        // identifier and without its page (asking for it crashes Qt 6.4): it is its downloader's.
        QSet<quint32>& offered = m_downloads[profile];
        if (offered.contains(download->id())) {
            if (!KVFileDownloader::resumeIfRunning(download, profile))
                download->cancel();
            return;
        }
        offered.insert(download->id());
        // The reader's fetches decided for themselves; no window's response decision applies.
        if (EngineFetch::takeOver(download))
            return;
        Q_EMIT downloadRequested(download);
    });
    refuseThirdPartyCookies = EngineHardening::from(KVSettings::getSettingsObject().kvBrowPref).blockThirdPartyCookies;
    if (!m_followsCookiePreference) {
        m_followsCookiePreference = true;
        connect(&UserDefaults::standard(), &UserDefaults::changed, this, [] {
            refuseThirdPartyCookies = EngineHardening::from(KVSettings::getSettingsObject().kvBrowPref).blockThirdPartyCookies;
        });
    }
    profile->cookieStore()->setCookieFilter([](const QWebEngineCookieStore::FilterRequest& request) {
        return !(refuseThirdPartyCookies && request.thirdParty);
    });
    connect(profile->cookieStore(), &QWebEngineCookieStore::cookieAdded, this, [this, profile](const QNetworkCookie& cookie) {
        QString domain = cookie.domain();
        if (domain.startsWith(QLatin1Char('.')))
            domain.remove(0, 1);
        if (!domain.isEmpty())
            m_sites[profile].insert(domain);
    });
}

void EngineProfiles::adopt(QWebEnginePage* page)
{
    QWebEngineProfile* profile = page->profile();
    connect(page, &QWebEnginePage::urlChanged, this, [this, profile](const QUrl& url) {
        if ((url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) && !url.host().isEmpty())
            m_sites[profile].insert(url.host());
    });
    hold(profile, page);
    // A page that goes drops megabytes of the engine's browser side at once.
    connect(page, &QObject::destroyed, this, [] { ProcessHeap::FreedMemory::shared().freed(); });
    // Pages that have gone leave no entry behind: a kiosk opens a window for every visit.
    m_livePages.removeAll(nullptr);
    m_livePages.append(page);
}

QList<qint64> EngineProfiles::rendererPids()
{
    QList<qint64> pids;
    m_livePages.removeAll(nullptr);
    for (const QPointer<QWebEnginePage>& page : std::as_const(m_livePages)) {
        const qint64 pid = page->renderProcessPid();
        if (pid > 0 && !pids.contains(pid))
            pids << pid;
    }
    return pids;
}

void EngineProfiles::hold(QWebEngineProfile* profile, QObject* holder)
{
    ++m_pages[profile];
    connect(holder, &QObject::destroyed, this, [this, profile] {
        if (--m_pages[profile] <= 0) {
            m_pages.remove(profile);
            releaseIfUnused(profile);
        }
    });
}

void EngineProfiles::endVisit()
{
    // The next visitor may save files again.
    VisitQuota::shared().endVisit();
    QSet<QString> sites;
    if (m_persistent) {
        sites += m_sites.take(m_persistent);
        m_persistent->cookieStore()->deleteAllCookies();
    }
    if (QWebEngineProfile* visitor = std::exchange(m_visitor, nullptr)) {
        sites += m_sites.take(visitor);
        // Pages of the visit that are still alive (blank now) keep nothing readable until they go.
        visitor->cookieStore()->deleteAllCookies();
        // Clearing the cache under a running download breaks its resumption; that cache lives in
        // memory only and goes with the profile when the download is done.
        const QList<KVFileDownloader*> running = KVFileDownloader::running();
        if (std::none_of(running.begin(), running.end(), [visitor](KVFileDownloader* d) { return d->profile() == visitor; }))
            visitor->clearHttpCache();
        visitor->clearAllVisitedLinks();
        releaseIfUnused(visitor);
    }
    QStringList names(sites.begin(), sites.end());
    std::sort(names.begin(), names.end());
    for (const QString& name : names)
        KVLog(QStringLiteral("Webview"), QStringLiteral("Cookies for %@ deleted successfully"), name);
    Q_EMIT visitEnded();
}

void EngineProfiles::releaseIfUnused(QWebEngineProfile* profile)
{
    // The visitor of the moment and the disk profile stay; a finished visitor goes with its last page.
    if (profile == m_visitor || profile == m_persistent || m_pages.value(profile) > 0 || !m_visitors.contains(profile))
        return;
    m_visitors.remove(profile);
    m_sites.remove(profile);
    m_downloads.remove(profile);
    profile->deleteLater();
}

}  // namespace korvel
