#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

bool touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

TEST(AtomicFileSweep, RemovesOnlyWhatInterruptedWritesLeft)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // What a writer killed between open() and commit() leaves: the name the writer itself makes.
    QString abandoned;
    {
        AtomicFile file(dir.filePath(QStringLiteral("defaults.plist")));
        ASSERT_TRUE(file.open() && file.write("<plist/>"));
        abandoned = file.temporaryPath();
        ASSERT_TRUE(QFile::copy(abandoned, abandoned + QStringLiteral(".copy")));
    }
    ASSERT_TRUE(QFile::rename(abandoned + QStringLiteral(".copy"), abandoned));

    const struct {
        const char* name;
        bool swept;
        bool sweptWithSubfolders;
    } cases[] = {
        {"defaults.plist", false, false},
        {".keychain.plist.previous-1z9k", true, true},
        {"Documents/.upload.pdf.tmp-a0", false, true},
        {".tmp-abc", false, false},
        {".defaults.plist.tmp-", false, false},
        {"report.tmp-abc", false, false},
        {".a.tmp-ABC", false, false},
        {".a.tmp-abc.plist", false, false},
        {".a.tmp-12345678901234", false, false},
        {".a.partial-abc", false, false},
    };
    for (const AtomicFile::Sweep depth : {AtomicFile::Sweep::ThisFolder, AtomicFile::Sweep::WithSubfolders}) {
        const bool deep = depth == AtomicFile::Sweep::WithSubfolders;
        int expected = 1;
        ASSERT_TRUE(touch(abandoned));
        for (const auto& c : cases) {
            ASSERT_TRUE(touch(dir.filePath(QString::fromLatin1(c.name))));
            expected += (deep ? c.sweptWithSubfolders : c.swept) ? 1 : 0;
        }
        EXPECT_EQ(AtomicFile::sweepLeftovers(dir.path(), depth), expected);
        EXPECT_FALSE(QFile::exists(abandoned));
        for (const auto& c : cases)
            EXPECT_EQ(QFile::exists(dir.filePath(QString::fromLatin1(c.name))), !(deep ? c.sweptWithSubfolders : c.swept))
                << c.name << (deep ? " with subfolders" : "");
    }
}

}  // namespace
}  // namespace korvel
