#pragma once

#include "policy/SubresourcePolicy.h"

#include <QMap>
#include <QMutex>
#include <QString>

#include <optional>

namespace korvel {

class KVSettings;

// What learn mode saw: for each allowed website (by its index key), the hosts its pages loaded
// from with a count per type, and the navigations refused while its pages were showing.
struct LearnedWebsite {
    QMap<QString, QMap<QString, qint64>> loads;  // host -> type name -> count
    QMap<QString, qint64> refusedNavigations;    // address -> count

    bool operator==(const LearnedWebsite&) const = default;
};
using LearnedLoads = QMap<QString, LearnedWebsite>;

// One host learn apply would add to a website's "also allowed for loading" list.
struct LearnedAddition {
    qsizetype websiteIndex = -1;  // in the allowed list
    QString website;              // its index key
    QString host;
    QMap<QString, qint64> types;
};

// Collects what pages load while learn mode is on (from the engine's threads), and keeps it in a
// file of its own so that korvelctl can show and apply it.
class LoadLearning {
public:
    explicit LoadLearning(QString path) : m_path(std::move(path)) {}

    // Thread-safe. Requests of pages that belong to no allowed website are not kept.
    void record(const QString& website, const QString& host, LoadType type);
    void recordRefusedNavigation(const QString& website, const QString& address);
    LearnedLoads records() const;
    // Reads the file into memory (adding to it); a missing file is an empty record.
    bool load(QString* error);
    // Forgets what is in memory and reads `path` instead (learn mode starting, perhaps on another
    // home).
    bool reopen(const QString& path, QString* error);
    // Writes what was recorded, atomically, when something changed since the last save.
    bool saveIfChanged(QString* error);

    QString path() const { return m_path; }
    // The file beside the settings.
    static QString defaultPath();
    // A damaged file fails: nothing is read from it.
    static std::optional<LearnedLoads> read(const QString& path, QString* error);
    static bool write(const LearnedLoads& records, const QString& path, QString* error);
    static QByteArray toJson(const LearnedLoads& records);

    // The hosts that strict mode would refuse on each website's pages today, learned order.
    static QList<LearnedAddition> additions(const KVSettings& settings, const LearnedLoads& records);
    // Adds them to the websites' lists (the caller saves).
    static void apply(KVSettings& settings, const QList<LearnedAddition>& additions);

private:
    QString m_path;
    mutable QMutex m_mutex;
    LearnedLoads m_records;
    bool m_changed = false;
};

}  // namespace korvel
