#include "admin/OpenSourceLicenses.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(OpenSourceLicenses, NoticesComeFromThePackagesCopyrightFiles)
{
    QTemporaryDir docs;
    ASSERT_TRUE(test::writeFile(docs.path() + QStringLiteral("/libplist3/copyright"), QByteArrayLiteral("Upstream-Name: libplist\n")));
    ASSERT_TRUE(test::writeFile(docs.path() + QStringLiteral("/secret"), QByteArrayLiteral("not a notice")));
    const struct {
        const char* package;
        std::optional<QString> notice;
    } cases[] = {
        {"libplist3", QStringLiteral("Upstream-Name: libplist\n")},
        {"libsqlite3-0", std::nullopt},
        {"../secret", std::nullopt},
        {"..", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenSourceLicenses::notice({QStringLiteral("x"), QString::fromUtf8(c.package)}, docs.path()), c.notice) << c.package;
    // Every library named has a package to read from, once.
    QStringList packages;
    for (const OpenSourceLibrary& library : OpenSourceLicenses::libraries()) {
        EXPECT_FALSE(library.package.isEmpty());
        EXPECT_FALSE(packages.contains(library.package)) << library.package.toStdString();
        packages << library.package;
    }
}

}  // namespace
}  // namespace korvel
