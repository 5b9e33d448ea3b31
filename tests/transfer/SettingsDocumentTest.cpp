#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "tests/support/TestHome.h"
#include "transfer/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korvel::test {
namespace {

using namespace korvel::SettingsDocument;

class SettingsDocumentTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
    }
    static QVariantMap fileEntry(const QString& name, const QByteArray& bytes)
    {
        return {{QStringLiteral("FileName"), name}, {QStringLiteral("FileData"), QString::fromLatin1(bytes.toBase64())}};
    }
    static QVariantMap withFiles(const QVariantList& entries) { return {{QStringLiteral("Files"), entries}}; }
};

TEST_F(SettingsDocumentTest, EmbeddedFilesThatWouldLeaveDocumentsOrReplaceSystemFilesAreRefused)
{
    QTemporaryDir outside;
    ASSERT_TRUE(outside.isValid());
    ASSERT_TRUE(QFile::link(outside.path(), documents() + QStringLiteral("/out")));
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/korvelDatabase.db"), "database"));
    ASSERT_TRUE(QFile::link(documents() + QStringLiteral("/korvelDatabase.db"), documents() + QStringLiteral("/alias.png")));
    const QString names[] = {
        outside.filePath(QStringLiteral("absolute.png")),
        QStringLiteral("../escape.png"),
        QStringLiteral("sub/../../escape.png"),
        QStringLiteral("bad\u0001name.png"),
        QStringLiteral("korvelLogDatabase.db-wal"),
        QStringLiteral("korvelDatabase.db-shm"),
        QStringLiteral("Version.txt"),
        QStringLiteral("homeWebPage.html"),
        QStringLiteral("out/through-link.png"),
        QStringLiteral("alias.png"),
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(importFiles(withFiles({fileEntry(name, "evil")})));
    }
    const QStringList logged = loggedEvents(QStringLiteral("Import-Export Data"));
    EXPECT_EQ(std::count_if(logged.cbegin(), logged.cend(), [](const QString& e) { return e.startsWith(QLatin1String("File refused (")); }),
              std::size(names));
    EXPECT_TRUE(QDir(outside.path()).isEmpty());
    EXPECT_TRUE(QDir(home()).entryList({QStringLiteral("escape.png")}).isEmpty());
    EXPECT_EQ(readFile(documents() + QStringLiteral("/korvelDatabase.db")), "database");
    for (const char* system : {"/korvelLogDatabase.db-wal", "/korvelDatabase.db-shm", "/homeWebPage.html", "/Version.txt"})
        EXPECT_NE(readFile(documents() + QLatin1String(system)), "evil") << system;

    // A refused entry does not stop the others; a sub-directory is made below Documents.
    EXPECT_FALSE(importFiles(withFiles({fileEntry(QStringLiteral("../x.png"), "evil"), fileEntry(QStringLiteral("a/b/ok.png"), "good")})));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/a/b/ok.png")), "good");
    EXPECT_TRUE(importFiles(withFiles({fileEntry(QStringLiteral("a/b/ok.png"), "better")})));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/a/b/ok.png")), "better");
    EXPECT_TRUE(QDir(documents() + QStringLiteral("/a/b")).entryList(QDir::Files | QDir::Hidden).size() == 1) << "no temporary file left";
}

TEST_F(SettingsDocumentTest, IconsAreCarriedUnderTheirDecodedNamesInLinesOf64)
{
    QByteArray icon;
    for (int i = 0; i < 1000; ++i)
        icon.append(char(i * 7));
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/icons/my icon.png"), icon));
    const QVariantMap document{{QStringLiteral("AllowedWebsites"),
                                QVariantList{QVariantMap{{QStringLiteral("Title"), QStringLiteral("A")},
                                                         {QStringLiteral("IconPath"), QStringLiteral("icons/my%20icon.png")}},
                                             QVariantMap{{QStringLiteral("Title"), QStringLiteral("B")}, {QStringLiteral("IconPath"), QString()}},
                                             QVariantMap{{QStringLiteral("Title"), QStringLiteral("C")},
                                                         {QStringLiteral("IconPath"), QStringLiteral("missing.png")}},
                                             QVariantMap{{QStringLiteral("Title"), QStringLiteral("D")},
                                                         {QStringLiteral("IconPath"), QStringLiteral("../../defaults.plist")}}}}};
    const QVariantList entries = exportAllowWebsiteIconDataInFileArray(document);
    ASSERT_EQ(entries.size(), 1);
    const QVariantMap entry = entries.first().toMap();
    EXPECT_EQ(entry.value(QStringLiteral("FileName")), QStringLiteral("icons/my icon.png"));
    const QStringList lines = entry.value(QStringLiteral("FileData")).toString().split(QStringLiteral("\r\n"));
    ASSERT_GT(lines.size(), 2);
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 64) << i;
    EXPECT_LE(lines.last().size(), 64);
    const QStringList logged = loggedEvents(QStringLiteral("Import-Export Data"));
    EXPECT_TRUE(logged.contains(QStringLiteral("AllowWebsite(B) IconPath is either empty or nil.")));
    EXPECT_TRUE(logged.contains(QStringLiteral("AllowWebsite(C) icon file (missing.png) is not exist in directory.")));

    // Restored under the decoded name, line breaks and all.
    ASSERT_TRUE(QFile::remove(documents() + QStringLiteral("/icons/my icon.png")));
    EXPECT_TRUE(importFiles({{QStringLiteral("Files"), entries}}));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/icons/my icon.png")), icon);

    // A wallpaper that names nothing, or a file outside Documents, contributes nothing.
    EXPECT_TRUE(exportWallperDataInFileArray({{QStringLiteral("Wallpaper"), QString(QLatin1String(""))}}).isEmpty());
    EXPECT_TRUE(loggedEvents(QStringLiteral("Import-Export Data")).contains(QStringLiteral("Wallpaper is either empty or nil.")));
    EXPECT_TRUE(exportScreenSaverDataInFileArray({{QStringLiteral("ScreenSaver"), QStringLiteral("../defaults.plist")}}).isEmpty());
}

TEST(SettingsDocumentReading, BareAndWrappedFormsParseAlikeAndUnfitDocumentsAreRefused)
{
    const QVariantMap document{{QStringLiteral("AllowedWebsites"), QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://a.example")}}}},
                               {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), QStringLiteral("OTI0Ng==")}}}};
    const QByteArray xml = PropertyList::toXml(document);
    auto xmlWith = [](const char* key, const QVariant& value) { return PropertyList::toXml(QVariantMap{{QLatin1String(key), value}}); };
    const struct Case {
        const char* name;
        QByteArray bytes;
        const char* error;  // nullptr: parses to `document`
    } cases[] = {
        {"bare", xml, nullptr},
        {"Pellmor text form", pellmorText(xml).toUtf8(), nullptr},
        {"cloud text form", "<![CDATA[ " + xml + " ]]>", nullptr},
        {"garbage", "not a plist at all", "not a property list"},
        {"empty", "", "not a property list"},
        {"array at the root", PropertyList::toXml(QVariantList{document}), "root is not a dictionary"},
        {"allowed websites as text", xmlWith("AllowedWebsites", QStringLiteral("x")), "\"AllowedWebsites\" is not a list"},
        {"a blocked website that is a number", xmlWith("BlockedWebsites", QVariantList{1}), "\"BlockedWebsites\" is not a list"},
        {"categories as a dictionary", xmlWith("AllowedWebsitesCategory", QVariantMap()), "\"AllowedWebsitesCategory\" is not a list"},
        {"files as text", xmlWith("Files", QStringLiteral("x")), "\"Files\" is not a list"},
        {"preferences as a list", xmlWith("BrowserPreferences", QVariantList()), "\"BrowserPreferences\" is not a dictionary"},
        {"password as a number", xmlWith("BrowserPreferences", QVariantMap{{QStringLiteral("Password"), 9246}}), "password is not Base64"},
        {"a password that is not Base64", xmlWith("BrowserPreferences", QVariantMap{{QStringLiteral("Password"), QStringLiteral("9 2 4 6!")}}),
         "password is not Base64"},
        {"a password hash that is no hash", xmlWith("BrowserPreferences", QVariantMap{{QStringLiteral("PasswordHash"), QStringLiteral("OTI0Ng==")}}),
         "not an Argon2id hash"},
        {"a hash too costly to check",
         xmlWith("BrowserPreferences",
                 QVariantMap{{QStringLiteral("PasswordHash"),
                              QStringLiteral("$argon2id$v=19$m=4194304,t=2,p=1$c2FsdHNhbHRzYWx0c2FsdA$aGFzaGhhc2hoYXNoaGFzaGhhc2hoYXNoaGFzaGhhc2g")}}),
         "not an Argon2id hash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ParsedDocument parsed = readSettingsDocument(c.bytes);
        if (!c.error) {
            ASSERT_TRUE(parsed.document) << qPrintable(parsed.error);
            EXPECT_EQ(*parsed.document, document);
        } else {
            EXPECT_FALSE(parsed.document);
            EXPECT_TRUE(parsed.error.contains(QLatin1String(c.error))) << qPrintable(parsed.error);
        }
    }
}

TEST(SettingsDocumentLists, AllowedWebsitesAreNumberedInOrderAndGetASchemeAndFrames)
{
    const QVariantList array{QVariantMap{{QStringLiteral("URL"), QStringLiteral("example.org")}, {QStringLiteral("AllowedWebsiteId"), 7}},
                             QVariantMap{{QStringLiteral("URL"), QStringLiteral("https://b.example/x")}, {QStringLiteral("AllowedWebsiteId"), 3},
                                         {QStringLiteral("LandscapeFrame"), QStringLiteral("{{1, 2}, {3, 4}}")}},
                             QVariantMap{{QStringLiteral("URL"), QStringLiteral("c.example/path")}, {QStringLiteral("AllowedWebsiteId"), 9}}};
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "automatic import" : "file import");
        const QVariantList result = parsingAllowedWebsiteData(array, automatic);
        ASSERT_EQ(result.size(), 3);
        const QString expectedURLs[] = {QStringLiteral("http://example.org"), QStringLiteral("https://b.example/x"),
                                        QStringLiteral("http://c.example/path")};
        for (int i = 0; i < 3; ++i) {
            const QVariantMap record = result[i].toMap();
            EXPECT_EQ(record.value(QStringLiteral("AllowedWebsiteId")).toLongLong(), i);
            EXPECT_EQ(record.value(QStringLiteral("URL")).toString(), expectedURLs[i]);
            EXPECT_EQ(record.contains(QStringLiteral("PortraitFrame")), !automatic);
        }
        EXPECT_EQ(result[1].toMap().value(QStringLiteral("LandscapeFrame")), QStringLiteral("{{1, 2}, {3, 4}}"));
        EXPECT_EQ(parsingCategoryData({QVariantMap()}, automatic).first().toMap().contains(QStringLiteral("LandscapeFrame")), !automatic);
    }
}

}  // namespace
}  // namespace korvel::test
