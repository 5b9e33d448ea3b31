#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// The kinds a file of the documents directory is listed under, in the order they are shown.
enum class FileGroup { Image, HTML, Video, Audio, Document, Other };

// One shown group: its kind, its title ("Image Files") and its files, each a path relative to the
// documents directory.
struct FilePickerGroup {
    FileGroup group = FileGroup::Other;
    QString title;
    QStringList files;

    bool operator==(const FilePickerGroup&) const = default;
};

namespace FilePickerLists {

// The group's title as the openers compare it ("Image Files", "Other Files"); not translated.
QString title(FileGroup group);
// The built-in image that stands for the group ("images", "others").
QString image(FileGroup group);

// The group of a file by the extension of its last path component (ignoring case); nullopt for a
// name without extension and for the program's own data files (plist, db and the like).
std::optional<FileGroup> groupOf(const QString& relativePath);

// The groups to show for these entries of the documents directory (paths relative to it): the
// program's own home-page files, Version.txt, names without extension and data files are left
// out; groups without files are not returned; the order is Image, HTML, Video, Audio, Document,
// Other, and the files keep the order given.
QList<FilePickerGroup> build(const QStringList& relativePaths);

// Every file under `directory`, recursively, as paths relative to it, sorted ignoring case.
// Symbolic links are not followed into directories, and a link that leads out of the directory
// is left out. Empty when the directory cannot be read.
QStringList walk(const QString& directory);

}  // namespace FilePickerLists

}  // namespace korvel
