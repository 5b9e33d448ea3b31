#include "admin/FilePickerLists.h"

#include "platform/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

namespace korvel {

namespace {

constexpr std::array kGroups{FileGroup::Image, FileGroup::HTML, FileGroup::Video, FileGroup::Audio, FileGroup::Document};

QStringList extensions(FileGroup group)
{
    switch (group) {
    case FileGroup::Image:
        return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"), QStringLiteral("tiff"),
                QStringLiteral("tif"), QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("ico")};
    case FileGroup::HTML:
        return {QStringLiteral("html"), QStringLiteral("xml")};
    case FileGroup::Video:
        return {QStringLiteral("m4v"), QStringLiteral("mp4"), QStringLiteral("mov")};
    case FileGroup::Audio:
        return {QStringLiteral("mp3"), QStringLiteral("aac"), QStringLiteral("wav")};
    case FileGroup::Document:
        return {QStringLiteral("pdf"), QStringLiteral("txt"), QStringLiteral("xls"), QStringLiteral("rtf"),
                QStringLiteral("key"), QStringLiteral("numbers"), QStringLiteral("pages"), QStringLiteral("ppt"),
                QStringLiteral("doc"), QStringLiteral("key.zip"), QStringLiteral("pages.zip"), QStringLiteral("numbers.zip")};
    case FileGroup::Other:
        return {};
    }
    return {};
}

// The program's own data: settings, databases and their SQLite companions, print jobs.
const QStringList& hiddenExtensions()
{
    static const QStringList list{QStringLiteral("plist"), QStringLiteral("db"), QStringLiteral("prt"),
                                  QStringLiteral("db-wal"), QStringLiteral("db-shm"), QStringLiteral("db-journal")};
    return list;
}

// The text after the last dot of the name, lower-cased; a leading dot (a hidden file) does not
// start an extension.
QString extensionOf(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return {};
    return name.mid(dot + 1).toLower();
}

}  // namespace

QString FilePickerLists::title(FileGroup group)
{
    switch (group) {
    case FileGroup::Image:
        return QStringLiteral("Image Files");
    case FileGroup::HTML:
        return QStringLiteral("HTML Files");
    case FileGroup::Video:
        return QStringLiteral("Video Files");
    case FileGroup::Audio:
        return QStringLiteral("Audio Files");
    case FileGroup::Document:
        return QStringLiteral("Document Files");
    case FileGroup::Other:
        return QStringLiteral("Other Files");
    }
    return {};
}

QString FilePickerLists::image(FileGroup group)
{
    switch (group) {
    case FileGroup::Image:
        return QStringLiteral("images");
    case FileGroup::HTML:
        return QStringLiteral("html");
    case FileGroup::Video:
        return QStringLiteral("video");
    case FileGroup::Audio:
        return QStringLiteral("audio");
    case FileGroup::Document:
        return QStringLiteral("document");
    case FileGroup::Other:
        return QStringLiteral("others");
    }
    return {};
}

std::optional<FileGroup> FilePickerLists::groupOf(const QString& relativePath)
{
    const QString name = relativePath.section(QLatin1Char('/'), -1).toLower();
    const QString extension = extensionOf(name);
    if (extension.isEmpty() || hiddenExtensions().contains(extension))
        return std::nullopt;
    // "key.zip" and its kin are two-part extensions: matched on the end of the name.
    for (FileGroup group : kGroups) {
        for (const QString& listed : extensions(group)) {
            if (name.endsWith(QLatin1Char('.') + listed) && name.size() > listed.size() + 1)
                return group;
        }
    }
    return FileGroup::Other;
}

QList<FilePickerGroup> FilePickerLists::build(const QStringList& relativePaths)
{
    QList<FilePickerGroup> groups;
    for (FileGroup group : {FileGroup::Image, FileGroup::HTML, FileGroup::Video, FileGroup::Audio, FileGroup::Document, FileGroup::Other})
        groups.append(FilePickerGroup{group, title(group), {}});
    for (const QString& path : relativePaths) {
        if (Paths::homePageResources().contains(path) || path.compare(QLatin1String("version.txt"), Qt::CaseInsensitive) == 0)
            continue;
        if (const std::optional<FileGroup> group = groupOf(path))
            groups[static_cast<int>(*group)].files.append(path);
    }
    groups.removeIf([](const FilePickerGroup& g) { return g.files.isEmpty(); });
    return groups;
}

QStringList FilePickerLists::walk(const QString& directory)
{
    const QDir root(directory);
    QStringList entries;
    QDirIterator it(directory, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).isSymLink() && !Paths::resolvedInside(directory, path))
            continue;
        entries.append(root.relativeFilePath(path));
    }
    std::sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return entries;
}

}  // namespace korvel
