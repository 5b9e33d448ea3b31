#include "platform/DocumentOrigins.h"

#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariantMap>

#include <array>
#include <atomic>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

const QString filesKey = QStringLiteral("Files");
const QString originKey = QStringLiteral("Origin");
const QString fingerprintKey = QStringLiteral("Fingerprint");

struct Name {
    DocumentOrigin origin;
    const char* stored;
    const char* text;
};
const std::array<Name, 8> names = {{
    {DocumentOrigin::Unknown, "Unknown", "of unknown origin"},
    {DocumentOrigin::Device, "Device", "saved by the settings on this device"},
    {DocumentOrigin::Korvelctl, "Korvelctl", "placed with korvelctl"},
    {DocumentOrigin::SettingsDocument, "SettingsDocument", "carried by an imported settings document"},
    {DocumentOrigin::UploadWithCode, "UploadWithCode", "uploaded with the access code"},
    {DocumentOrigin::UploadWithoutCode, "UploadWithoutCode", "uploaded without the access code"},
    {DocumentOrigin::Download, "Download", "downloaded by a visitor"},
    {DocumentOrigin::Printout, "Printout", "printed by a visitor"},
}};

DocumentOrigin parseOrigin(const QString& stored)
{
    for (const Name& name : names) {
        if (stored == QLatin1String(name.stored))
            return name.origin;
    }
    return DocumentOrigin::Unknown;
}

QString storedName(DocumentOrigin origin)
{
    for (const Name& name : names) {
        if (name.origin == origin)
            return QLatin1String(name.stored);
    }
    return QStringLiteral("Unknown");
}

// What identifies one version of a file: a file replaced by renaming gets a new inode, and any write
// or change of its attributes moves its change time, which no unprivileged process can set back.
QString fingerprint(const struct stat& status)
{
    return QStringLiteral("%1:%2:%3:%4.%5:%6.%7")
        .arg(quint64(status.st_dev))
        .arg(quint64(status.st_ino))
        .arg(qint64(status.st_size))
        .arg(qint64(status.st_mtim.tv_sec))
        .arg(qint64(status.st_mtim.tv_nsec))
        .arg(qint64(status.st_ctim.tv_sec))
        .arg(qint64(status.st_ctim.tv_nsec));
}

std::optional<QString> fingerprintOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return fingerprint(status);
}

// The records, or nothing when the store cannot be read (a missing store is an empty one).
std::optional<QVariantMap> readStore(const QString& store)
{
    if (!QFileInfo::exists(store))
        return QVariantMap();
    const PropertyListParse parsed = PropertyList::readFile(store);
    if (!parsed.ok() || parsed.value.metaType().id() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariant files = parsed.value.toMap().value(filesKey);
    if (files.isValid() && files.metaType().id() != QMetaType::QVariantMap)
        return std::nullopt;
    return files.toMap();
}

DocumentOrigin originIn(const std::optional<QVariantMap>& files, const QString& key, const QString& currentFingerprint)
{
    if (!files)
        return DocumentOrigin::Unknown;
    const QVariantMap entry = files->value(key).toMap();
    if (entry.value(fingerprintKey).toString() != currentFingerprint)
        return DocumentOrigin::Unknown;
    return parseOrigin(entry.value(originKey).toString());
}

// Holds an exclusive lock on `path` while it lives (a separate file: the store itself is replaced
// by renaming, which a lock on it would not survive).
class StoreLock {
public:
    explicit StoreLock(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~StoreLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

std::atomic<DocumentOrigin> administratorOfProcess{DocumentOrigin::Device};
thread_local std::optional<DocumentOrigin> administratorHere;

}  // namespace

DocumentOrigins::DocumentOrigins(QString documentsDirectory, QString storeFile)
    : m_documents(std::move(documentsDirectory))
    , m_store(std::move(storeFile))
{
}

DocumentOrigins DocumentOrigins::forHome()
{
    return DocumentOrigins(Paths::documentsDirectory(), homeStoreFile());
}

QString DocumentOrigins::homeStoreFile()
{
    // Beside the settings store: outside Documents, so no upload, download or printout reaches it.
    return QFileInfo(Paths::defaultsFile()).absolutePath() + QStringLiteral("/document-origins.plist");
}

std::optional<QString> DocumentOrigins::key(const QString& path) const
{
    const std::optional<QString> resolved = Paths::resolvedInside(m_documents, path);
    if (!resolved)
        return std::nullopt;
    return QDir(QFileInfo(m_documents).canonicalFilePath()).relativeFilePath(*resolved);
}

bool DocumentOrigins::record(const QString& path, DocumentOrigin origin, QString* error) const
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const std::optional<QString> name = key(path);
    if (!name)
        return fail(path + QStringLiteral(": not inside Documents"));
    const StoreLock lock(m_store + QStringLiteral(".lock"));
    if (!lock.held())
        return fail(m_store + QStringLiteral(".lock: ") + QString::fromLocal8Bit(std::strerror(errno)));
    const std::optional<QString> current = fingerprintOf(m_documents + QLatin1Char('/') + *name);
    if (!current)
        return fail(path + QStringLiteral(": not a file"));
    // An unreadable store starts afresh: the records it held are lost, so those files read as
    // Unknown, which is the safe side.
    QVariantMap files = readStore(m_store).value_or(QVariantMap());
    for (auto it = files.begin(); it != files.end();) {
        if (!QFileInfo::exists(m_documents + QLatin1Char('/') + it.key()))
            it = files.erase(it);
        else
            ++it;
    }
    files.insert(*name, QVariantMap{{originKey, storedName(origin)}, {fingerprintKey, *current}});
    return PropertyList::writeFile(m_store, QVariantMap{{filesKey, files}}, error, FileAccess::OwnerOnly);
}

QString DocumentOrigins::recordInHome(const QString& path, DocumentOrigin origin)
{
    QString error;
    if (!forHome().record(path, origin, &error) && error.isEmpty())
        error = QStringLiteral("not recorded");
    return error;
}

DocumentOrigin DocumentOrigins::originOf(const QString& path, QString* fingerprint) const
{
    const std::optional<QString> name = key(path);
    if (!name)
        return DocumentOrigin::Unknown;
    const std::optional<QString> current = fingerprintOf(m_documents + QLatin1Char('/') + *name);
    if (!current)
        return DocumentOrigin::Unknown;
    if (fingerprint)
        *fingerprint = *current;
    return originIn(readStore(m_store), *name, *current);
}

bool DocumentOrigins::unchanged(const QString& path, const QString& fingerprint) const
{
    const std::optional<QString> name = key(path);
    return name && fingerprintOf(m_documents + QLatin1Char('/') + *name) == fingerprint;
}

bool DocumentOrigins::trustedForImport(DocumentOrigin origin)
{
    switch (origin) {
    case DocumentOrigin::Device:
    case DocumentOrigin::Korvelctl:
    case DocumentOrigin::SettingsDocument:
    case DocumentOrigin::UploadWithCode:
        return true;
    case DocumentOrigin::Unknown:
    case DocumentOrigin::UploadWithoutCode:
    case DocumentOrigin::Download:
    case DocumentOrigin::Printout:
        return false;
    }
    return false;
}

QString DocumentOrigins::describe(DocumentOrigin origin)
{
    for (const Name& name : names) {
        if (name.origin == origin)
            return QLatin1String(name.text);
    }
    return QLatin1String(names[0].text);
}

DocumentOrigin DocumentOrigins::administrator()
{
    return administratorHere.value_or(administratorOfProcess.load());
}

void DocumentOrigins::setAdministrator(DocumentOrigin origin)
{
    administratorOfProcess = origin;
}

DocumentOrigins::AdministratorScope::AdministratorScope(DocumentOrigin origin)
    : m_previous(administratorHere)
{
    administratorHere = origin;
}

DocumentOrigins::AdministratorScope::~AdministratorScope()
{
    administratorHere = m_previous;
}

}  // namespace korvel
