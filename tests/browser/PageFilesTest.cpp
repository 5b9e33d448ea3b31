#include "browser/PageFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Whatever the picker hands back, a page receives only existing files inside the documents
// directory, of the kinds its input accepts, and one of them unless it asked for several.
TEST(PageFiles, PageReceivesOnlyAcceptedFilesInsideDocuments)
{
    QTemporaryDir home;
    const QString documents = home.filePath(QStringLiteral("Documents"));
    QDir().mkpath(documents + QStringLiteral("/sub"));
    for (const char* name : {"Documents/a.PNG", "Documents/b.pdf", "Documents/sub/c.txt", "secret.png"})
        QFile(home.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QFile::link(home.filePath(QStringLiteral("secret.png")), documents + QStringLiteral("/out.png"));
    QFile::link(documents + QStringLiteral("/b.pdf"), documents + QStringLiteral("/in.pdf"));

    const struct {
        const char* name;
        QStringList chosen;  // relative to the home directory
        FileSelection selection;
        QStringList accepted;
        QStringList expected;  // relative to Documents
    } cases[] = {
        {"one file, any kind", {"Documents/sub/c.txt"}, FileSelection::Single, {}, {"sub/c.txt"}},
        {"single takes the first only", {"Documents/a.PNG", "Documents/b.pdf"}, FileSelection::Single, {}, {"a.PNG"}},
        {"multiple keeps the order", {"Documents/b.pdf", "Documents/a.PNG"}, FileSelection::Multiple, {}, {"b.pdf", "a.PNG"}},
        {"extension ignoring case", {"Documents/a.PNG", "Documents/b.pdf"}, FileSelection::Multiple, {".png"}, {"a.PNG"}},
        {"type family", {"Documents/b.pdf", "Documents/a.PNG"}, FileSelection::Multiple, {"image/*"}, {"a.PNG"}},
        {"exact type", {"Documents/a.PNG", "Documents/b.pdf"}, FileSelection::Multiple, {"application/pdf"}, {"b.pdf"}},
        {"no accepted kind", {"Documents/a.PNG"}, FileSelection::Single, {"video/*", ".pdfx"}, {}},
        {"outside Documents", {"secret.png"}, FileSelection::Single, {}, {}},
        {"dot-dot out of Documents", {"Documents/../secret.png"}, FileSelection::Single, {}, {}},
        {"link leading out", {"Documents/out.png"}, FileSelection::Single, {}, {}},
        {"link inside gives its target", {"Documents/in.pdf"}, FileSelection::Single, {}, {"b.pdf"}},
        {"missing file and a directory", {"Documents/gone.png", "Documents/sub"}, FileSelection::Multiple, {}, {}},
        {"Documents itself", {"Documents"}, FileSelection::Single, {}, {}},
    };
    for (const auto& c : cases) {
        QStringList chosen;
        for (const QString& path : c.chosen)
            chosen << home.filePath(path);
        QStringList got;
        for (const QString& path : PageFiles::forPage(chosen, documents, PageFileRequest{c.selection, c.accepted, nullptr}))
            got << QDir(QDir(documents).canonicalPath()).relativeFilePath(path);
        EXPECT_EQ(got, c.expected) << c.name;
    }
    // What an earlier visitor downloaded or printed (b.pdf, also through its link) is withheld.
    const PageFileRequest request{FileSelection::Multiple, {}, [](const QString& path) { return path.endsWith(QLatin1String("/b.pdf")); }};
    const QStringList chosen{home.filePath(QStringLiteral("Documents/b.pdf")), home.filePath(QStringLiteral("Documents/in.pdf")),
                             home.filePath(QStringLiteral("Documents/a.PNG"))};
    EXPECT_EQ(PageFiles::forPage(chosen, documents, request), QStringList{QDir(documents).canonicalPath() + QStringLiteral("/a.PNG")});
}

}  // namespace
}  // namespace korvel
