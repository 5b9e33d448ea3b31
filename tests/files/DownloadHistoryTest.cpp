#include "files/DownloadFiles.h"
#include "platform/NotificationCenter.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFile>

using namespace korvel;

namespace {

class DownloadHistoryTest : public test::TestHome {
protected:
    static KVSettings& settings() { return KVSettings::getSettingsObject(); }
    static QList<qint64> ids()
    {
        QList<qint64> list;
        for (const DownloadHistoryParam& entry : settings().arrDownloadHistory)
            list << entry.historyId;
        return list;
    }
};

}  // namespace

TEST(DownloadText, ByteCountsReadLikeFileSizes)
{
    const struct {
        qint64 bytes;
        const char* text;
    } cases[] = {
        {0, "Zero KB"}, {1, "1 byte"}, {999, "999 bytes"}, {1000, "1 KB"}, {1499, "1 KB"}, {999499, "999 KB"},
        {999500, "1 MB"}, {1250000, "1.3 MB"}, {1000000000, "1 GB"}, {1234567890, "1.23 GB"}, {999996000000, "1 TB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DownloadFiles::byteCountText(c.bytes), QLatin1String(c.text)) << c.bytes;
}

TEST(DownloadText, NamesComeFromTheAddressUnlessUnusable)
{
    const struct {
        const char* url;
        const char* suggested;
        const char* name;
    } cases[] = {
        {"https://a.test/files/report.pdf?x=1", "other.pdf", "report.pdf"},
        {"https://a.test/files/a%20b.pdf", "", "a b.pdf"},
        {"https://a.test/", "invoice.pdf", "invoice.pdf"},
        {"https://a.test/dir/..", "", "download"},
        {"https://a.test/x/%2e%2e%2fVersion.txt", "", "download"},
        {"https://a.test/a%2Fb", "", "b"},
        {"https://a.test/", "../../etc/passwd.txt", "download.txt"},
        {"https://a.test/korvelLogDatabase.db", "data.db", "data.db"},
        {"https://a.test/line%0Abreak", "report 1.tar.gz", "report 1.tar.gz"},
        {"https://a.test/", "", "download"},
        // The names settings are read from are never a visitor's.
        {"https://a.test/Korvel.plist", "", "download-Korvel.plist"},
        {"https://a.test/", "korvel.PLIST", "download-korvel.PLIST"},
        {"https://a.test/fleet.plist", "", "download-fleet.plist"},
        {"https://a.test/other.plist", "", "other.plist"},
    };
    const QStringList settingsNames{QStringLiteral("fleet.plist"), QStringLiteral("Korvel.plist")};
    for (const auto& c : cases)
        EXPECT_EQ(DownloadFiles::downloadFileName(QUrl(QLatin1String(c.url)), QLatin1String(c.suggested), settingsNames), QLatin1String(c.name)) << c.url;
}

TEST_F(DownloadHistoryTest, DestinationsNeverOverwrite)
{
    const QString dir = documents();
    QStringList names;
    for (int i = 0; i < 3; ++i)
        names << QFileInfo(DownloadFiles::reserveDownloadDestination(dir, QStringLiteral("a.pdf"))).fileName();
    EXPECT_EQ(names, (QStringList{"a.pdf", "1_a.pdf", "2_a.pdf"}));
    // A dangling link is a name that is taken, not a door to wherever it points.
    ASSERT_TRUE(QFile::link(home() + QStringLiteral("/elsewhere"), dir + QStringLiteral("/b.pdf")));
    EXPECT_EQ(QFileInfo(DownloadFiles::reserveDownloadDestination(dir, QStringLiteral("b.pdf"))).fileName(), QStringLiteral("1_b.pdf"));
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("/elsewhere")));
}

TEST_F(DownloadHistoryTest, EntriesFinishFailAndAreRemovedByIdentifier)
{
    const QUrl url(QStringLiteral("https://a.test/r.pdf"));
    const QString address = url.toString(QUrl::FullyEncoded);
    settings().kvBrowPref.isAllowKeepDownloadHistory = true;
    int reloads = 0;
    QObject observer;
    NotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("reload_download_history_table"), [&](const Notification&) { ++reloads; });
    const auto begin = [&] { settings().arrDownloadHistory.append(DownloadHistoryParam::initWithParams(QStringLiteral("r.pdf"), address, {}, {}, 0)); };

    for (int i = 0; i < 3; ++i) {
        begin();
        const QString path = DownloadFiles::reserveDownloadDestination(documents(), QStringLiteral("r.pdf"));
        EXPECT_FALSE(DownloadFiles::updateDownloadFileDetail(url, true, path, settings(), clock.now()));
    }
    EXPECT_EQ(ids(), (QList<qint64>{1, 2, 3}));
    DownloadFiles::deleteDownloadHistoryEntries({1, 2}, settings());
    EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("*r.pdf")}, QDir::Files).size(), 3);

    // A failure takes only the running entry of that address; a finished one with the same source stays.
    begin();
    EXPECT_EQ(ids(), (QList<qint64>{3, 0}));
    DownloadFiles::updateDownloadFileDetail(url, false, {}, settings(), clock.now());
    EXPECT_EQ(ids(), (QList<qint64>{3}));
    begin();
    settings().kvBrowPref.isAllowOpenFileAfterDownload = true;
    EXPECT_TRUE(DownloadFiles::updateDownloadFileDetail(url, true, documents() + QStringLiteral("/r.pdf"), settings(), clock.now()));
    EXPECT_EQ(ids(), (QList<qint64>{3, 4}));
    EXPECT_EQ(reloads, 6);

    // A restart keeps it all, except a download that was still running.
    begin();
    settings().save();
    restart();
    DownloadFiles::cleanUpUnfinishedDownloads(settings());
    EXPECT_EQ(ids(), (QList<qint64>{3, 4}));
    EXPECT_EQ(settings().arrDownloadHistory.last().downloadTime, clock.now().toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'")));

    // Without history keeping nothing is listed; the file is offered when asked for.
    settings().kvBrowPref.isAllowKeepDownloadHistory = false;
    EXPECT_TRUE(DownloadFiles::updateDownloadFileDetail(url, true, documents() + QStringLiteral("/r.pdf"), settings(), clock.now()));
    EXPECT_FALSE(DownloadFiles::updateDownloadFileDetail(url, false, {}, settings(), clock.now()));
    EXPECT_EQ(ids(), (QList<qint64>{3, 4}));
}

TEST_F(DownloadHistoryTest, RowsTellRunningStoredAndMissingFiles)
{
    QFile file(documents() + QStringLiteral("/kept.pdf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Stored paths from another device (or an older home) are found again in this Documents.
    const DownloadHistoryParam kept = DownloadHistoryParam::initWithParams(
        QStringLiteral("kept.pdf"), QStringLiteral("/old/home/Documents/kept.pdf"), QStringLiteral("2026-03-31T23:30:00.000Z"), QStringLiteral("2 KB"), 1);
    DownloadHistoryParam gone = kept;
    gone.filePath = QStringLiteral("/old/home/Documents/gone.pdf");
    const DownloadHistoryParam running = DownloadHistoryParam::initWithParams(QStringLiteral("r.pdf"), QStringLiteral("https://a.test/r.pdf"), {}, {}, 0);
    const QTimeZone berlin(QByteArrayLiteral("Europe/Berlin"));

    const DownloadFiles::DownloadHistoryRow keptRow = DownloadFiles::downloadHistoryRow(kept, berlin);
    EXPECT_EQ(keptRow.state, DownloadFiles::DownloadHistoryRow::State::Stored);
    const QString size = qtTrId("TEXT_SIZE");
    const QString when = qtTrId("TEXT_WHEN");
    EXPECT_EQ(keptRow.detail, QStringLiteral("%1: 2 KB %2: Apr 01, 2026").arg(size, when));
    EXPECT_EQ(keptRow.storedPath, documents() + QStringLiteral("/kept.pdf"));
    const DownloadFiles::DownloadHistoryRow goneRow = DownloadFiles::downloadHistoryRow(gone, QTimeZone(QByteArrayLiteral("UTC")));
    EXPECT_EQ(goneRow.state, DownloadFiles::DownloadHistoryRow::State::Missing);
    EXPECT_EQ(goneRow.detail, QStringLiteral("%1: 2 KB %2: Mar 31, 2026\n %3").arg(size, when, qtTrId("FILE_DOES_NOT_EXIST")));
    EXPECT_EQ(DownloadFiles::downloadHistoryRow(running, berlin).state, DownloadFiles::DownloadHistoryRow::State::Downloading);
}
