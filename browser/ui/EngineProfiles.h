#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

namespace korvel {

// The engine profiles the kiosk's pages live in. Normally one profile kept on disk. With private
// browsing each visitor gets a profile held only in memory; when the visit ends it is thrown away
// with everything a visitor can leave in it (cookies, local storage, IndexedDB, caches, service
// workers, HTTP authentication, form data), and the next page starts in a fresh one.
class EngineProfiles final : public QObject {
    Q_OBJECT
public:
    static EngineProfiles& instance();

    // The profile a page made now belongs in: the visitor's when private browsing is on.
    QWebEngineProfile* current();
    // The profile kept on disk, created on first use.
    QWebEngineProfile* persistent();
    // Counts `page` against its profile, so that a finished visitor's profile is released only
    // once the last of its pages is gone (the engine must not lose a profile under a live page).
    void adopt(QWebEnginePage* page);
    // The renderer processes of the live pages, as the engine knows them (processes forked by the
    // engine's zygote keep its command line, so /proc cannot tell a renderer from a zygote).
    QList<qint64> rendererPids();
    // Keeps `profile` alive while `holder` lives, as a page would (a download of a finished visit).
    void hold(QWebEngineProfile* profile, QObject* holder);
    // Ends the current visitor's visit: its cookies and caches are dropped at once, one log line
    // names each site that had kept data, and its profile goes with its last page. The profile
    // kept on disk loses its cookies too, so nothing from before private browsing was switched on
    // survives. Does nothing to data of the disk profile's other kinds when private browsing is off.
    // Windows then move their pages to a fresh profile (visitEnded).
    void endVisit();
    // The user agent of every profile, the one pages read (navigator.userAgent) included; empty: the
    // engine's own.
    void setUserAgent(const QString& userAgent);
    // The Accept-Language header of every profile, the visitors' ones made later included; empty:
    // the engine's own.
    void setAcceptLanguage(const QString& acceptLanguage);
    QString acceptLanguage() const { return m_acceptLanguage; }
    // How many visitor profiles are alive (the current one and those waiting for their pages).
    int visitorProfileCount() const { return int(m_visitors.size()); }

Q_SIGNALS:
    // A page of any of the profiles asks to download.
    void downloadRequested(QWebEngineDownloadRequest* download);
    // A private visit ended: every page still in its profile is to be replaced by a fresh one, or
    // its storage (local and session storage, IndexedDB, Cache Storage, service workers) lives on.
    void visitEnded();

private:
    EngineProfiles() = default;

    QWebEngineProfile* makeVisitorProfile();
    void watch(QWebEngineProfile* profile);
    void releaseIfUnused(QWebEngineProfile* profile);
    void applyUserAgent(QWebEngineProfile* profile);

    bool m_followsCookiePreference = false;
    QList<QPointer<QWebEnginePage>> m_livePages;
    QWebEngineProfile* m_persistent = nullptr;
    QWebEngineProfile* m_visitor = nullptr;
    QString m_userAgent;
    QString m_engineUserAgent;  // what the engine says before any is set
    QString m_acceptLanguage;
    QSet<QWebEngineProfile*> m_visitors;
    QHash<QWebEngineProfile*, int> m_pages;
    // Sites each profile holds data of, for the lines that say what was deleted.
    QHash<QWebEngineProfile*, QSet<QString>> m_sites;
    // Identifiers of the downloads each profile has offered (the engine numbers them per profile).
    QHash<QWebEngineProfile*, QSet<quint32>> m_downloads;
};

}  // namespace korvel
