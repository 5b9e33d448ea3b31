#pragma once

#include "transfer/ImportExport.h"
#include "transfer/StartSiteWatch.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace korvel {

class Timer;
struct allowedWebsite;

// Carries out StartSiteWatch in the running kiosk: after an automatic, cloud or managed import it
// looks at the new start website once a minute (a GET of an http or https address, the file of
// Documents for a file address), and rolls the settings back when the watch says so, logging why;
// the rollback keeps the automatic import and the managed configuration from applying that
// document again. The watch is kept in a file, so that a restart (which a broken document may well
// cause) does not end it. Main thread only; times come from the Clock.
class StartSiteGuard final : public QObject {
    Q_OBJECT
public:
    using NetworkUp = std::function<bool()>;
    // How long one look may take.
    static constexpr int lookTimeoutMs = 20000;

    explicit StartSiteGuard(NetworkUp networkUp, QObject* parent = nullptr);
    ~StartSiteGuard() override;

    // An import was put into effect (ImportExport's observer): a watch of a watched source begins,
    // any other import ends the watch that ran.
    void importApplied(const AppliedImport& applied);
    // The administrator took charge (the settings opened, a command changed them): no watch.
    void stop();
    // Takes up the watch a previous run of Korvel left, where it was, when the settings it
    // watches are still those in force; otherwise forgets it. Once, at the start.
    void resume();
    bool isWatching() const { return m_watch.isWatching(); }
    // Whether a look waits for its answer.
    bool isLooking() const { return m_looking; }

    // The address the kiosk opens at its start: the first allowed website marked to run at start.
    static std::optional<QUrl> startSiteOf(const QList<allowedWebsite>& websites);

Q_SIGNALS:
    // The settings went back: what depends on them follows (the screens, the upload server).
    void rolledBack();

private:
    void look();
    // The watch kept in `file()` as it is now (removed when there is none); failures are logged.
    void save();
    static QString file();
    void lookedAtStartSite(bool loaded);
    void lookedAtPrevious(bool loaded);
    // Whether `url` loads; the answer arrives later, once.
    void lookAt(const QUrl& url, std::function<void(bool)> answer);

    NetworkUp m_networkUp;
    StartSiteWatch m_watch;
    Timer* m_timer = nullptr;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    bool m_looking = false;
    bool m_saveFailed = false;
    bool m_resuming = false;  // the first look after a restart waits for its minute
};

}  // namespace korvel
