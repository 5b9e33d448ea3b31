#include "tests/transfer/TransferFixture.h"
#include "transfer/SettingsDocument.h"

#include <QTemporaryDir>

namespace korvel::test {
namespace {

class RoundTripTest : public TransferTest {};

struct Snapshot {
    KVBrowserPrefSettings preferences;
    QList<allowedWebsite> allowed;
    QList<allowedWebsiteCategory> categories;
    QList<blockedWebsite> blocked;
    QList<DownloadHistoryParam> history;
    QString password;
};

Snapshot snapshot(KVSettings& s)
{
    return {s.kvBrowPref, s.allowedWebsites, s.allowedWebsitesCategories, s.blockedWebsites, s.arrDownloadHistory, PasswordStore::getPassword()};
}

const char* const carriedFiles[] = {"walls/sea.jpg", "saver.mp4", "icons/a.png", "icons/my b.png", "cat1.png", "cat 2.png"};

TEST_F(RoundTripTest, ADocumentExportedOnOneHomeReproducesEverythingOnAnother)
{
    // Home A: every kind of setting, and the files they name.
    for (const char* name : carriedFiles)
        ASSERT_TRUE(writeFile(documents() + QLatin1Char('/') + QLatin1String(name), QByteArray("bytes of ") + name + QByteArray(300, char(0xA5))));
    KVSettings& a = settings();
    a.kvBrowPref.wallpaper = QStringLiteral("walls/sea.jpg");
    a.kvBrowPref.screenSaverURL = QStringLiteral("saver.mp4");
    a.kvBrowPref.enableScreenSaver = true;
    a.kvBrowPref.port = 9090;
    a.kvBrowPref.passwordTimeout = 7;
    const struct {
        const char* url;
        const char* icon;
        qint64 id;
    } sites[] = {{"http://a.example", "icons/a.png", 5}, {"https://b.example/x", "icons/my%20b.png", 9}, {"http://c.example", "", 2}};
    for (const auto& s : sites) {
        allowedWebsite w;
        w.url = QString::fromUtf8(s.url);
        w.title = w.url.section(QLatin1Char('/'), 2, 2);
        w.iconURL = QString::fromUtf8(s.icon);
        w.allowedWebsiteId = s.id;
        w.categoryId = 1;
        w.landscapeFrame = Frame{1, 2, 3, 4};
        a.allowedWebsites.append(w);
    }
    a.allowedWebsitesCategories = {allowedWebsiteCategory::initWithParams(QStringLiteral("One"), QStringLiteral("cat1.png"), 1, {}, {}),
                                   allowedWebsiteCategory::initWithParams(QStringLiteral("Two"), QStringLiteral("cat%202.png"), 2, {}, {})};
    blockedWebsite blocked;
    blocked.url = QStringLiteral("https://blocked.example");
    blocked.protocol = WebsiteProtocol::Https;
    a.blockedWebsites = {blocked};
    a.arrDownloadHistory = {DownloadHistoryParam::initWithParams(QStringLiteral("f.pdf"), QStringLiteral("f.pdf"),
                                                                 QStringLiteral("2024-05-06T07:08:09.000Z"), QStringLiteral("2 KB"), 3)};
    ASSERT_TRUE(a.save());
    setPassword("s3cret");
    reopen();
    Snapshot expected = snapshot(settings());
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("Korvel.plist")).ok);
    const QByteArray exported = readFile(documents() + QStringLiteral("/Korvel.plist"));
    const QVariantMap first = *SettingsDocument::readSettingsDocument(exported).document;
    EXPECT_EQ(first.value(QStringLiteral("Files")).toList().size(), 6);
    QMap<QString, QByteArray> files;
    for (const char* name : carriedFiles)
        files.insert(QLatin1String(name), readFile(documents() + QLatin1Char('/') + QLatin1String(name)));

    // Home B: a fresh device that receives only the exported file.
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    Paths::setHome(other.path());
    reopen();
    ASSERT_TRUE(placeDocument(QStringLiteral("Korvel.plist"), exported));
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("Korvel.plist")).ok);
    reopen();
    const Snapshot imported = snapshot(settings());
    // The one change an import makes to these settings: identifiers in list order.
    for (qsizetype i = 0; i < expected.allowed.size(); ++i)
        expected.allowed[i].allowedWebsiteId = i;
    EXPECT_EQ(imported.preferences, expected.preferences);
    EXPECT_EQ(imported.allowed, expected.allowed);
    EXPECT_EQ(imported.categories, expected.categories);
    EXPECT_EQ(imported.blocked, expected.blocked);
    EXPECT_EQ(imported.history, expected.history);
    EXPECT_EQ(imported.password, expected.password);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        EXPECT_EQ(readFile(documents() + QLatin1Char('/') + it.key()), it.value()) << qPrintable(it.key());

    // Exported again from B: the same document but for those identifiers.
    ASSERT_TRUE(ImportExport::exportToFile(QStringLiteral("Again.plist")).ok);
    const QVariantMap second = *SettingsDocument::readSettingsDocument(readFile(documents() + QStringLiteral("/Again.plist"))).document;
    EXPECT_EQ(second.keys(), first.keys());
    for (const QString& key : first.keys()) {
        if (key != QLatin1String("AllowedWebsites")) {
            EXPECT_EQ(second.value(key), first.value(key)) << qPrintable(key);
        }
    }
    QVariantList renumbered = first.value(QStringLiteral("AllowedWebsites")).toList();
    for (qsizetype i = 0; i < renumbered.size(); ++i) {
        QVariantMap record = renumbered[i].toMap();
        record.insert(QStringLiteral("AllowedWebsiteId"), i);
        renumbered[i] = record;
    }
    EXPECT_EQ(second.value(QStringLiteral("AllowedWebsites")), QVariant(renumbered));
    EXPECT_FALSE(second.contains(QStringLiteral("AutoImport")));
    Paths::setHome(home());
}

}  // namespace
}  // namespace korvel::test
