#include "policy/LoadLearning.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "settings/KVSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvel {

namespace {

// A page that asks for ever new hosts (or addresses) fills no disk: beyond these, new ones are
// not kept.
constexpr qsizetype maximumHosts = 500;
constexpr qsizetype maximumRefused = 500;

const QString websitesKey = QStringLiteral("websites");
const QString loadsKey = QStringLiteral("loads");
const QString refusedKey = QStringLiteral("refusedNavigations");

QJsonObject counts(const QMap<QString, qint64>& map)
{
    QJsonObject o;
    for (auto it = map.begin(); it != map.end(); ++it)
        o.insert(it.key(), it.value());
    return o;
}

std::optional<QMap<QString, qint64>> countsFrom(const QJsonValue& value)
{
    if (!value.isObject() && !value.isUndefined())
        return std::nullopt;
    QMap<QString, qint64> map;
    const QJsonObject o = value.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!it.value().isDouble() || it.value().toDouble() < 0)
            return std::nullopt;
        map.insert(it.key(), qint64(it.value().toDouble()));
    }
    return map;
}

}  // namespace

void LoadLearning::record(const QString& website, const QString& host, LoadType type)
{
    if (website.isEmpty() || host.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    auto& loads = m_records[website].loads;
    const QString key = host.toLower();
    if (loads.size() >= maximumHosts && !loads.contains(key))
        return;
    ++loads[key][loadTypeName(type)];
    m_changed = true;
}

void LoadLearning::recordRefusedNavigation(const QString& website, const QString& address)
{
    if (website.isEmpty() || address.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    auto& refused = m_records[website].refusedNavigations;
    if (refused.size() >= maximumRefused && !refused.contains(address))
        return;
    ++refused[address];
    m_changed = true;
}

LearnedLoads LoadLearning::records() const
{
    QMutexLocker lock(&m_mutex);
    return m_records;
}

bool LoadLearning::load(QString* error)
{
    const std::optional<LearnedLoads> stored = read(m_path, error);
    if (!stored)
        return false;
    QMutexLocker lock(&m_mutex);
    for (auto site = stored->begin(); site != stored->end(); ++site) {
        LearnedWebsite& mine = m_records[site.key()];
        for (auto host = site->loads.begin(); host != site->loads.end(); ++host) {
            for (auto type = host->begin(); type != host->end(); ++type)
                mine.loads[host.key()][type.key()] += type.value();
        }
        for (auto nav = site->refusedNavigations.begin(); nav != site->refusedNavigations.end(); ++nav)
            mine.refusedNavigations[nav.key()] += nav.value();
    }
    return true;
}

bool LoadLearning::reopen(const QString& path, QString* error)
{
    {
        QMutexLocker lock(&m_mutex);
        m_records.clear();
        m_changed = false;
        m_path = path;
    }
    return load(error);
}

bool LoadLearning::saveIfChanged(QString* error)
{
    LearnedLoads snapshot;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_changed)
            return true;
        snapshot = m_records;
        m_changed = false;
    }
    if (write(snapshot, m_path, error))
        return true;
    QMutexLocker lock(&m_mutex);
    m_changed = true;  // try again at the next save
    return false;
}

QString LoadLearning::defaultPath()
{
    return QFileInfo(Paths::defaultsFile()).absolutePath() + QStringLiteral("/learned-loads.json");
}

QByteArray LoadLearning::toJson(const LearnedLoads& records)
{
    QJsonObject websites;
    for (auto site = records.begin(); site != records.end(); ++site) {
        QJsonObject loads;
        for (auto host = site->loads.begin(); host != site->loads.end(); ++host)
            loads.insert(host.key(), counts(host.value()));
        websites.insert(site.key(), QJsonObject{{loadsKey, loads}, {refusedKey, counts(site->refusedNavigations)}});
    }
    return QJsonDocument(QJsonObject{{websitesKey, websites}}).toJson(QJsonDocument::Indented);
}

std::optional<LearnedLoads> LoadLearning::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists())
        return LearnedLoads();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = path + QStringLiteral(": ") + file.errorString();
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const auto damaged = [&] {
        if (error)
            *error = path + QStringLiteral(": not a record of learned loads");
        return std::nullopt;
    };
    if (parseError.error != QJsonParseError::NoError || !document.isObject()
        || !document.object().value(websitesKey).isObject())
        return damaged();
    LearnedLoads records;
    const QJsonObject websites = document.object().value(websitesKey).toObject();
    for (auto site = websites.begin(); site != websites.end(); ++site) {
        if (!site.value().isObject())
            return damaged();
        const QJsonObject o = site.value().toObject();
        LearnedWebsite learned;
        if (!o.value(loadsKey).isObject() && !o.value(loadsKey).isUndefined())
            return damaged();
        const QJsonObject loads = o.value(loadsKey).toObject();
        for (auto host = loads.begin(); host != loads.end(); ++host) {
            const std::optional<QMap<QString, qint64>> types = countsFrom(host.value());
            if (!types)
                return damaged();
            learned.loads.insert(host.key(), *types);
        }
        const std::optional<QMap<QString, qint64>> refused = countsFrom(o.value(refusedKey));
        if (!refused)
            return damaged();
        learned.refusedNavigations = *refused;
        records.insert(site.key(), learned);
    }
    return records;
}

bool LoadLearning::write(const LearnedLoads& records, const QString& path, QString* error)
{
    return AtomicFile::writeFile(path, toJson(records), error);
}

QList<LearnedAddition> LoadLearning::additions(const KVSettings& settings, const LearnedLoads& records)
{
    // Today's rules in strict mode decide which learned hosts still need an entry.
    KVSettings strict = settings;
    strict.kvBrowPref.strictSubresources = true;
    strict.kvBrowPref.allowContentBlocking = false;
    const std::shared_ptr<const SubresourcePolicy> policy = SubresourcePolicy::build(strict);
    QList<LearnedAddition> result;
    for (qsizetype i = 0; i < settings.allowedWebsites.size(); ++i) {
        const allowedWebsite& w = settings.allowedWebsites.at(i);
        const QString key = PolicyIndex::websiteKey(w);
        const auto learned = records.constFind(key);
        if (key.isEmpty() || learned == records.constEnd())
            continue;
        const QUrl page = *w.parsedURL();
        for (auto host = learned->loads.begin(); host != learned->loads.end(); ++host) {
            QUrl request;
            request.setScheme(QStringLiteral("https"));
            request.setHost(host.key());
            if (!request.isValid() || request.host().isEmpty())
                continue;
            // A blocked host stays blocked; one that already loads needs nothing.
            if (policy->decide(request, page).refusal != LoadRefusal::Unlisted)
                continue;
            const bool listed = std::any_of(result.begin(), result.end(), [&](const LearnedAddition& a) {
                return a.websiteIndex == i && a.host == request.host();
            });
            if (!listed)
                result.append(LearnedAddition{i, key, request.host(), host.value()});
        }
    }
    return result;
}

void LoadLearning::apply(KVSettings& settings, const QList<LearnedAddition>& additions)
{
    for (const LearnedAddition& a : additions) {
        if (a.websiteIndex < 0 || a.websiteIndex >= settings.allowedWebsites.size())
            continue;
        QStringList& list = settings.allowedWebsites[a.websiteIndex].alsoAllowedForLoading;
        if (!list.contains(a.host))
            list.append(a.host);
    }
}

}  // namespace korvel
