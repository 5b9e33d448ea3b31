#include "files/DocumentStore.h"

#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace korvel {

DocumentStore::DocumentStore(QString documentsDirectory)
    : m_directory(QDir::cleanPath(std::move(documentsDirectory)))
{
}

DocumentStore::Checked DocumentStore::checkedPath(const QString& relative, LastLink lastLink) const
{
    if (const auto refusal = nameRefusal(relative))
        return {{}, refusal};
    const QString written = m_directory + QLatin1Char('/') + relative;
    const QFileInfo info(written);
    QString path;
    if (lastLink == LastLink::Keep) {
        // The parent must resolve inside (or be the directory itself); the last entry is kept as named.
        const QString parent = info.path();
        QString resolvedParent;
        if (QDir::cleanPath(parent) == m_directory) {
            resolvedParent = QFileInfo(m_directory).canonicalFilePath();
        } else if (const auto inside = Paths::resolvedInside(m_directory, parent)) {
            resolvedParent = *inside;
        }
        if (resolvedParent.isEmpty())
            return {{}, Refusal::Outside};
        path = resolvedParent + QLatin1Char('/') + info.fileName();
    } else {
        const auto inside = Paths::resolvedInside(m_directory, written);
        if (!inside)
            return {{}, Refusal::Outside};
        path = *inside;
        // A link inside that names one of the program's own files is the file itself.
        if (isSystemFile(QFileInfo(path).fileName()))
            return {{}, Refusal::SystemFile};
    }
    return {path, std::nullopt};
}

DocumentStore::Checked DocumentStore::uploadTarget(const QString& partName, const QString& fileName) const
{
    // The whole name is judged, not only the part that is kept: a sender that tries "../" is refused.
    if (const auto refusal = nameRefusal(fileName))
        return {{}, refusal};
    return checkedPath(uploadName(partName, fileName), LastLink::Follow);
}

QString DocumentStore::uploadName(const QString& partName, const QString& fileName)
{
    const QString last = fileName.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
    const QString folder = fileName.section(QLatin1Char('/'), 0, -2, QString::SectionSkipEmpty);
    const bool intoFolder = partName == QLatin1String("addfolder") && !folder.isEmpty();
    return intoFolder ? folder + QLatin1Char('/') + last : last;
}

QStringList DocumentStore::names() const
{
    const QDir root(m_directory);
    QStringList names;
    // Symbolic links are neither listed nor followed: the list shows only what lies inside.
    QDirIterator it(m_directory, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (isSystemFile(info.fileName()) || info.suffix().isEmpty())
            continue;
        names.append(root.relativeFilePath(info.filePath()));
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool DocumentStore::holdsSecret(const QString& relative, const QStringList& settingsNames)
{
    const QString name = relative.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
    if (name.endsWith(QLatin1String(".plist"), Qt::CaseInsensitive) || name.startsWith(QLatin1String("KV_LOG_"), Qt::CaseInsensitive)
        || name.compare(QLatin1String("Korvel_PellmorConfig.txt"), Qt::CaseInsensitive) == 0)
        return true;
    const QString cleaned = QDir::cleanPath(relative);
    for (const QString& settingsName : settingsNames) {
        if (!settingsName.isEmpty() && QDir::cleanPath(settingsName) == cleaned)
            return true;
    }
    return false;
}

QString DocumentStore::fileList(const QStringList& names)
{
    QStringList elements;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString name = names[i];
        name.replace(QLatin1Char('\''), QLatin1String("\\'"));
        elements.append(QStringLiteral("{'name':'") + name + QStringLiteral("', 'id':") + QString::number(i) + QLatin1Char('}'));
    }
    return QLatin1Char('[') + elements.join(QLatin1Char(',')) + QLatin1Char(']');
}

DocumentStore::Deletion DocumentStore::deleteNamed(const QString& name) const
{
    if (name.isEmpty())
        return {QStringLiteral("No File"), false, false};
    const Removal removal = remove(name);
    if (removal.removed)
        return {QStringLiteral("file Delete Success"), false, false};
    if (removal.refusal)
        return {QStringLiteral("file Delete Failed ") + refusalText(*removal.refusal), true, false};
    return {QStringLiteral("file Delete Failed ") + removal.error, false, removal.missing};
}

DocumentStore::Removal DocumentStore::remove(const QString& relative) const
{
    const Checked checked = checkedPath(relative, LastLink::Keep);
    if (checked.refusal)
        return {false, checked.refusal, {}};
    const QFileInfo info(checked.path);
    if (!info.exists() && !info.isSymLink())
        return {false, std::nullopt, QStringLiteral("No such file"), true};
    if (info.isDir() && !info.isSymLink())
        return {false, std::nullopt, QStringLiteral("Is a directory")};
    QFile file(checked.path);
    if (!file.remove())
        return {false, std::nullopt, file.errorString()};
    return {true, std::nullopt, {}};
}

}  // namespace korvel
