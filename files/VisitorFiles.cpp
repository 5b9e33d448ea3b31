#include "files/VisitorFiles.h"

#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace korvel {

VisitorFiles::VisitorFiles(QString file)
    : m_file(std::move(file))
{
    load();
}

VisitorFiles& VisitorFiles::shared()
{
    // One record per home: tests and korvelctl may switch homes within a process.
    static std::unique_ptr<VisitorFiles> record;
    if (!record || record->m_file != recordFile())
        record.reset(new VisitorFiles(recordFile()));
    return *record;
}

QString VisitorFiles::recordFile()
{
    return QFileInfo(Paths::defaultsFile()).absolutePath() + QStringLiteral("/visitorFiles.txt");
}

void VisitorFiles::load()
{
    QFile file(m_file);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        KVLog(QStringLiteral("Error"), QStringLiteral("Visitor files record unreadable: %@"), file.errorString());
        return;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QString path = QString::fromUtf8(line);
        // Files the administrator has removed since need no more keeping.
        if (!path.isEmpty() && QFileInfo::exists(path))
            m_produced.insert(path);
    }
}

bool VisitorFiles::save(QString* error) const
{
    QStringList paths(m_produced.begin(), m_produced.end());
    std::sort(paths.begin(), paths.end());
    return AtomicFile::writeFile(m_file, paths.join(QLatin1Char('\n')).toUtf8(), error, FileAccess::OwnerOnly);
}

bool VisitorFiles::record(const QString& path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (resolved.isEmpty())
        return false;
    m_thisVisit.insert(resolved);
    m_produced.insert(resolved);
    QString error;
    if (save(&error))
        return true;
    KVLog(QStringLiteral("Error"), QStringLiteral("Visitor files record not saved: %@"), error);
    return false;
}

void VisitorFiles::endVisit()
{
    m_thisVisit.clear();
}

bool VisitorFiles::withheld(const QString& path) const
{
    if (m_unreadable)
        return true;
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return m_produced.contains(resolved) && !m_thisVisit.contains(resolved);
}

}  // namespace korvel
