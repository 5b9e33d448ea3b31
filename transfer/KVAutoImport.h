#pragma once

#include "transfer/AutoImportFetch.h"

#include <QObject>
#include <QPointer>

#include <functional>

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
    };
    // Stores the section, with its log lines: a period outside 1-1000 (or no number) becomes 1.
    static void storeSection(const Section& section);

    // How a source is fetched; replaceable so that tests can stand in for the cloud.
    using Fetcher = std::function<AutoImportFetch(const QString& source)>;
    void setCloudFetcher(Fetcher fetcher) { m_cloudFetcher = std::move(fetcher); }

    // caseState 1: the timer runs, every `periodicity` minutes (one minute below 1). The settings
    // are reloaded first.
    void start();
    void stop();
    int caseState() const { return m_caseState; }
    // One tick. Does nothing while the previous tick's fetch is still running.
    void autoImport();
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
    Fetcher m_cloudFetcher;
};

}  // namespace korvel
