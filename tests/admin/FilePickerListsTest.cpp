#include "admin/FilePickerLists.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Files are made in a real directory and walked, so the recursion, the relative names and the
// symbolic-link rule are part of every case. Expected: "Title: file, file | Title: file".
TEST(FilePickerLists, GroupsWhatTheDocumentsDirectoryHolds)
{
    const struct {
        const char* name;
        QStringList files;
        QString expected;
    } cases[] = {
        {"only the program's own files: no section at all",
         {"homeWebPage.html", "jquery1.js", "jquery.mobile-1.4.5.min.js", "korvelglobe.png", "categories.png", "blue_slim42x42-1.png", "Version.txt"},
         ""},
        {"extension ignoring case; data files and names without extension left out",
         {"Photo.JPG", "backup.plist", "notes", "KVLog.db", "KVLog.db-wal", "KVLog.db-shm", "job.PRT", ".hidden", "trailing."},
         "Image Files: Photo.JPG"},
        {"a sub-directory's file keeps its relative path; only top-level own files are skipped",
         {"pages/index.HTML", "pages/deeper/logo.png", "pages/homeWebPage.html", "old/VERSION.TXT", "version.txt"},
         "Image Files: pages/deeper/logo.png | HTML Files: pages/homeWebPage.html, pages/index.HTML | Document Files: old/VERSION.TXT"},
        {"every group in its order, two-part extensions as documents",
         {"a.zip", "b.Key.Zip", "c.mp3", "d.mov", "e.xml", "f.ico", "g.numbers", "h.tar.gz"},
         "Image Files: f.ico | HTML Files: e.xml | Video Files: d.mov | Audio Files: c.mp3 | "
         "Document Files: b.Key.Zip, g.numbers | Other Files: a.zip, h.tar.gz"},
        {"a link leading out of the directory is not listed, one inside is",
         {"inside.png", "link-in.png -> inside.png", "link-out.png -> OUTSIDE/secret.png"},
         "Image Files: inside.png, link-in.png"},
    };
    for (const auto& c : cases) {
        QTemporaryDir outside;
        QTemporaryDir documents;
        QFile(outside.filePath(QStringLiteral("secret.png"))).open(QIODevice::WriteOnly);
        for (const QString& entry : c.files) {
            const QString path = entry.section(QStringLiteral(" -> "), 0, 0);
            QDir(documents.path()).mkpath(QFileInfo(documents.filePath(path)).path());
            if (entry.contains(QStringLiteral(" -> "))) {
                QString target = entry.section(QStringLiteral(" -> "), 1);
                target.replace(QStringLiteral("OUTSIDE"), outside.path());
                ASSERT_TRUE(QFile::link(target, documents.filePath(path))) << c.name;
            } else {
                ASSERT_TRUE(QFile(documents.filePath(path)).open(QIODevice::WriteOnly)) << c.name;
            }
        }
        QStringList shown;
        for (const FilePickerGroup& group : FilePickerLists::build(FilePickerLists::walk(documents.path())))
            shown << group.title + QStringLiteral(": ") + group.files.join(QStringLiteral(", "));
        EXPECT_EQ(shown.join(QStringLiteral(" | ")), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace korvel
