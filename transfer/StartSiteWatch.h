#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <chrono>
#include <optional>

namespace korvel {

// Whether a document applied from outside broke the kiosk: after an automatic, cloud or managed
// import, the new start website is looked at once a minute. When it has failed to load for ten
// minutes during which the network was up, the previous settings' start website is looked at;
// when that one loads, the document goes back (its settings are rolled back). A load of the new
// start website ends the watch: the document is fine. Plain decisions; StartSiteGuard carries
// them out.
class StartSiteWatch {
public:
    static constexpr std::chrono::minutes grace{10};
    static constexpr std::chrono::minutes interval{1};
    // A watch that never comes to a decision (the network failing beyond this kiosk) ends.
    static constexpr std::chrono::hours longest{24};

    struct Watched {
        QUrl startSite;          // of the new settings
        QUrl previousStartSite;  // of the settings it replaced
        QString document;        // its fingerprint
        qint64 previousEntry = 0;  // the settings-history entry to go back to
        QDateTime since;
        qint64 appliedEntry = 0;   // the entry the document wrote: a later one ends the watch
    };
    // Whether an import is worth watching: both settings have a start website, and it changed
    // (the same start website is no news about the document).
    static bool worthWatching(const std::optional<QUrl>& startSite, const std::optional<QUrl>& previousStartSite);

    void begin(const Watched& watched);
    void end();
    bool isWatching() const { return m_watched.has_value(); }
    const std::optional<Watched>& watched() const { return m_watched; }

    enum class Next {
        None,          // no watch
        KeepWatching,  // look again in a minute
        Accepted,      // the new start website loads: the watch is over
        AskPrevious,   // ten minutes of failure with the network up: does the previous one load?
        RollBack,      // it does: go back to the previous settings
        GiveUp,        // no decision in a day: the watch is over
    };
    // A look at the new start website at `now`; `networkUp` as the kiosk sees it. Down time does
    // not count towards the ten minutes.
    Next startSiteLooked(const QDateTime& now, bool networkUp, bool loaded);
    // The answer to AskPrevious.
    Next previousLooked(bool loaded);

    // Seconds of failure with the network up so far.
    std::chrono::seconds failingFor() const { return m_failing; }
    // The last look that failed with the network up, while it may still start a counted stretch.
    const std::optional<QDateTime>& lastFailureWhileUp() const { return m_lastFailureWhileUp; }

    // The whole state, for a watch that must outlive the process; restore() takes it back, and
    // false (no watch) when it is not a whole state.
    QVariantMap toDictionary() const;
    bool restore(const QVariantMap& dictionary);

private:
    std::optional<Watched> m_watched;
    std::optional<QDateTime> m_lastFailureWhileUp;
    std::chrono::seconds m_failing{0};
};

}  // namespace korvel
