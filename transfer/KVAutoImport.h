#pragma once

#include "transfer/AutoImportFetch.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

namespace korvel {

class Timer;

// Follows a settings document held elsewhere (a file of Documents, an address, a cloud ID): while
// the application is in the foreground a repeating timer fetches it, and a text that differs from
// the one applied last is put into effect. Fetches run on a worker thread, one at a time; applying
// happens on the main thread.
class KVAutoImport final : public QObject {
    Q_OBJECT
public:
    static KVAutoImport& getAutoImportObject();

    // The "Automatic Import" section of the import/export screen as the administrator left it.
    struct Section {
        bool enabled = false;
        int source = 0;  // 0 file, 1 cloud, 2 URL
        QString path;    // the file or the address; unused for the cloud
        QString period;  // minutes, as typed
        std::optional<QString> cloudID = std::nullopt;  // a new ID for the cloud source; none keeps it
    };
    // Stores the section, with its log lines: a period outside 1-1000 (or no number) becomes 1.
    // Returns false when the settings could not be saved.
    static bool storeSection(const Section& section);

    // How the cloud is fetched; empty: KVCloudRequest::importRequest (tests stand in for it).
    using Fetcher = std::function<AutoImportFetch(const QString& source)>;
    void setCloudFetcher(Fetcher fetcher);

    // caseState 1: the timer runs, every `periodicity` minutes (one minute below 1). The settings
    // are reloaded first.
    void start();
    void stop();
    int caseState() const { return m_caseState; }
    // One tick. Does nothing while the previous tick's fetch is still running, nor while paused.
    void autoImport();
    // While the administrator is in the settings nothing is applied: the timer stops (start()
    // only notes that it is wanted), and a tick that falls due or a fetch that arrives meanwhile
    // waits. resume() starts the timer again if it ran or was wanted, and then runs the tick that
    // waited at once; stop() meanwhile (the background) keeps it stopped.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }
    // Whether a fetch is running (tests wait for it).
    bool isFetching() const { return m_fetching; }

Q_SIGNALS:
    // A document was put into effect: the screens go back to their start.
    void imported();
    // A tick has ended, whatever came of it.
    void tickFinished();

private:
    KVAutoImport();
    void fetched(int source, const AutoImportFetch& fetch);

    Timer* m_timer = nullptr;
    int m_caseState = 0;
    bool m_fetching = false;
    bool m_paused = false;
    bool m_waiting = false;        // a tick fell due while paused
    bool m_startOnResume = false;  // it ran (or was started) while paused
    Fetcher m_cloudFetcher;
};

}  // namespace korvel
