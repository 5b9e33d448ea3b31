#include "platform/AtomicFile.h"
#include "platform/DocumentOrigins.h"
#include "tests/support/TestHome.h"

#include <QFile>

#include <chrono>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace korvel::test {
namespace {

using DocumentOriginsTest = TestHome;

// What may happen to a file after its origin was recorded. A replacement without a record is also
// what a kill between a writer's rename and its record leaves behind.
enum class Afterwards { Nothing, ReplacedByRename, ChangedInPlace, ModeChanged, RemovedAndMadeAgain };

TEST_F(DocumentOriginsTest, ARecordHoldsOnlyForTheVersionOfTheFileItWasMadeFor)
{
    const struct {
        const char* name;
        DocumentOrigin recorded;
        Afterwards afterwards;
        DocumentOrigin expected;
    } cases[] = {
        {"placed.plist", DocumentOrigin::Korvelctl, Afterwards::Nothing, DocumentOrigin::Korvelctl},
        {"sub/dir/coded.plist", DocumentOrigin::UploadWithCode, Afterwards::Nothing, DocumentOrigin::UploadWithCode},
        {"lan.txt", DocumentOrigin::UploadWithoutCode, Afterwards::Nothing, DocumentOrigin::UploadWithoutCode},
        {"replaced.plist", DocumentOrigin::Korvelctl, Afterwards::ReplacedByRename, DocumentOrigin::Unknown},
        {"appended.plist", DocumentOrigin::Device, Afterwards::ChangedInPlace, DocumentOrigin::Unknown},
        {"chmod.plist", DocumentOrigin::UploadWithCode, Afterwards::ModeChanged, DocumentOrigin::Unknown},
        {"again.plist", DocumentOrigin::Korvelctl, Afterwards::RemovedAndMadeAgain, DocumentOrigin::Unknown},
    };
    const DocumentOrigins origins = DocumentOrigins::forHome();
    for (const auto& c : cases) {
        const QString path = documents() + QLatin1Char('/') + QLatin1String(c.name);
        ASSERT_TRUE(writeFile(path, "<plist/>")) << c.name;
        QString error;
        ASSERT_TRUE(origins.record(path, c.recorded, &error)) << c.name << ": " << qPrintable(error);
        // File times follow the kernel's coarse clock (a few milliseconds); whatever changes a file
        // after it was recorded does so at least that much later.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        switch (c.afterwards) {
        case Afterwards::Nothing:
            break;
        case Afterwards::ReplacedByRename:
            ASSERT_TRUE(AtomicFile::writeFile(path, "<plist/>"));
            break;
        case Afterwards::ChangedInPlace: {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.seek(file.size());
            file.write("\n");
            break;
        }
        case Afterwards::ModeChanged:
            ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
            break;
        case Afterwards::RemovedAndMadeAgain:
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(writeFile(path, "<plist/>"));
            break;
        }
        EXPECT_EQ(origins.originOf(path), c.expected) << c.name;
    }
    EXPECT_EQ(origins.originOf(documents() + QStringLiteral("/never-recorded.plist")), DocumentOrigin::Unknown);
}

TEST_F(DocumentOriginsTest, ADamagedStoreTrustsNothingAndTheNextRecordStartsAfresh)
{
    const DocumentOrigins origins = DocumentOrigins::forHome();
    const QString kept = documents() + QStringLiteral("/Korvel.plist");
    const QString later = documents() + QStringLiteral("/later.plist");
    ASSERT_TRUE(writeFile(kept, "<plist/>"));
    ASSERT_TRUE(writeFile(later, "<plist/>"));
    ASSERT_TRUE(origins.record(kept, DocumentOrigin::Korvelctl));
    for (const QByteArray& damage : {QByteArray("<?xml version=\"1.0\"?><plist><dict><key>Files</key>"), QByteArray("\0\1\2", 3),
                                     QByteArray("<plist version=\"1.0\"><array/></plist>")}) {
        ASSERT_TRUE(writeFile(DocumentOrigins::homeStoreFile(), damage));
        EXPECT_EQ(origins.originOf(kept), DocumentOrigin::Unknown) << damage.constData();
    }
    ASSERT_TRUE(origins.record(later, DocumentOrigin::UploadWithCode));
    EXPECT_EQ(origins.originOf(later), DocumentOrigin::UploadWithCode);
    EXPECT_EQ(origins.originOf(kept), DocumentOrigin::Unknown);
    // The store is the kiosk's alone: nobody else on the device reads or writes it.
    EXPECT_EQ(QFile::permissions(DocumentOrigins::homeStoreFile()) & (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions());
}

TEST_F(DocumentOriginsTest, OnlyFilesInsideDocumentsAreRecorded)
{
    const DocumentOrigins origins = DocumentOrigins::forHome();
    const QString outside = home() + QStringLiteral("/outside.plist");
    ASSERT_TRUE(writeFile(outside, "<plist/>"));
    ASSERT_TRUE(QFile::link(outside, documents() + QStringLiteral("/link.plist")));
    for (const QString& path : {outside, documents() + QStringLiteral("/link.plist"), documents() + QStringLiteral("/../outside.plist"),
                                documents() + QStringLiteral("/missing.plist"), documents()}) {
        QString error;
        EXPECT_FALSE(origins.record(path, DocumentOrigin::Korvelctl, &error)) << qPrintable(path);
        EXPECT_FALSE(error.isEmpty()) << qPrintable(path);
        EXPECT_EQ(origins.originOf(path), DocumentOrigin::Unknown) << qPrintable(path);
    }
}

// The upload server's threads and korvelctl record at the same time: no record is lost.
TEST_F(DocumentOriginsTest, WritersAtTheSameTimeLoseNoRecord)
{
    constexpr int writers = 4;
    constexpr int each = 12;
    const DocumentOrigins origins = DocumentOrigins::forHome();
    for (int w = 0; w < writers; ++w) {
        for (int i = 0; i < each; ++i)
            ASSERT_TRUE(writeFile(documents() + QStringLiteral("/w%1-%2.txt").arg(w).arg(i), "x"));
    }
    std::vector<std::thread> threads;
    for (int w = 0; w < writers; ++w) {
        threads.emplace_back([&, w] {
            for (int i = 0; i < each; ++i)
                origins.record(documents() + QStringLiteral("/w%1-%2.txt").arg(w).arg(i), w % 2 ? DocumentOrigin::Download : DocumentOrigin::Korvelctl);
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int w = 0; w < writers; ++w) {
        for (int i = 0; i < each; ++i)
            EXPECT_EQ(origins.originOf(documents() + QStringLiteral("/w%1-%2.txt").arg(w).arg(i)),
                      w % 2 ? DocumentOrigin::Download : DocumentOrigin::Korvelctl)
                << w << '-' << i;
    }
}

}  // namespace
}  // namespace korvel::test
