#include "platform/FileBytes.h"
#include "platform/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>

#include <gtest/gtest.h>
#include <plist/plist.h>

using korvel::PropertyList;
using korvel::PropertyListError;

namespace {

QVariantMap sampleDocument()
{
    return QVariantMap{
        {QStringLiteral("text"), QStringLiteral("Grüße & <tags> \"quoted\"")},
        {QStringLiteral("empty"), QString(QLatin1String(""))},
        {QStringLiteral("integer"), qint64(8080)},
        {QStringLiteral("negative"), qint64(-42)},
        {QStringLiteral("large"), qint64(9007199254740993LL)},
        {QStringLiteral("real"), 0.1},
        {QStringLiteral("yes"), true},
        {QStringLiteral("no"), false},
        {QStringLiteral("date"), QDateTime(QDate(2026, 12, 6), QTime(7, 30, 15), Qt::UTC)},
        {QStringLiteral("data"), QByteArray("\x00\x01\xfe\xff", 4)},
        {QStringLiteral("list"), QVariantList{qint64(1), QStringLiteral("two"), QVariantList{}, QVariantMap{}}},
        {QStringLiteral("key & <odd> \"one\""), QStringLiteral("a&amp;b")},
        {QStringLiteral("nested"), QVariantMap{{QStringLiteral("inner"), QVariantList{true, 2.5}}}},
    };
}

QByteArray toBinary(const QByteArray& xml)
{
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), static_cast<uint32_t>(xml.size()), &root);
    char* bin = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bin, &length);
    QByteArray bytes(bin, length);
    free(bin);
    plist_free(root);
    return bytes;
}

}  // namespace

TEST(PropertyList, XmlAndBinaryRoundTripEveryType)
{
    const QVariantMap document = sampleDocument();
    const QByteArray xml = PropertyList::toXml(document);
    ASSERT_TRUE(xml.startsWith("<?xml"));

    for (const QByteArray& bytes : {xml, toBinary(xml)}) {
        const auto parsed = PropertyList::parse(bytes);
        ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.message);
        const QVariantMap back = parsed.value.toMap();
        ASSERT_EQ(back.keys(), document.keys());
        for (const QString& key : document.keys())
            EXPECT_EQ(back.value(key), document.value(key)) << qPrintable(key);
        // Booleans and integers stay distinct kinds, and an empty text is a value, not a missing one.
        EXPECT_EQ(back.value(QStringLiteral("yes")).metaType().id(), QMetaType::Bool);
        EXPECT_EQ(back.value(QStringLiteral("integer")).metaType().id(), QMetaType::LongLong);
        EXPECT_FALSE(back.value(QStringLiteral("empty")).toString().isNull());
    }
}

TEST(PropertyList, RefusesWhatIsNotAPropertyList)
{
    const struct {
        const char* name;
        QByteArray bytes;
        PropertyListError error;
    } cases[] = {
        {"nothing", QByteArray(), PropertyListError::Empty},
        {"plain text", "hello", PropertyListError::Malformed},
        {"other XML root", "<?xml version=\"1.0\"?><html><body/></html>", PropertyListError::Malformed},
        {"unclosed", "<plist version=\"1.0\"><dict><key>a</key><string>b</string>", PropertyListError::Malformed},
        {"undeclared entity", "<plist version=\"1.0\"><string>&nbsp;</string></plist>", PropertyListError::Malformed},
        {"binary header only", "bplist00", PropertyListError::Malformed},
        {"NUL character reference", "<plist version=\"1.0\"><string>a&#0;b</string></plist>", PropertyListError::Malformed},
    };
    for (const auto& c : cases) {
        const auto parsed = PropertyList::parse(c.bytes);
        EXPECT_EQ(parsed.error, c.error) << c.name;
        EXPECT_FALSE(parsed.message.isEmpty()) << c.name;
    }
}

// Whatever arrives from outside (settings documents, damaged files): a cut-off document is refused
// with a reason, and damaged bytes give either a refusal with a reason or a whole value, never a
// crash and never half of each.
TEST(PropertyList, DamagedBytesAreRefused)
{
    const QByteArray xml = PropertyList::toXml(sampleDocument());
    const QByteArray binary = toBinary(xml);
    for (const QByteArray& valid : {xml, binary}) {
        for (qsizetype cut = 0; cut < valid.size(); cut += 7) {
            const QByteArray part = valid.left(cut);
            if (part.trimmed().size() == valid.trimmed().size())
                continue;  // only the trailing line feed is gone
            const auto parsed = PropertyList::parse(part);
            EXPECT_FALSE(parsed.ok()) << (valid.startsWith("bplist") ? "binary" : "XML") << " cut at " << cut;
            EXPECT_FALSE(parsed.value.isValid()) << cut;
            EXPECT_FALSE(parsed.message.isEmpty()) << cut;
        }
    }
    QRandomGenerator random(2026);
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = round % 2 ? binary : xml;
        for (int flips = 0; flips < 4; ++flips)
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        const auto parsed = PropertyList::parse(damaged);
        EXPECT_EQ(parsed.ok(), parsed.value.isValid()) << round;
        EXPECT_EQ(parsed.ok(), parsed.message.isEmpty()) << round;
        refused += parsed.ok() ? 0 : 1;
    }
    EXPECT_GT(refused, 1000) << "most damage is noticed";
}

// A binary date is read only where its XML form reads back: a date before year 1 or after 9999
// would be written as an empty element that makes the whole file unreadable.
TEST(PropertyList, BinaryDatesOutsideTheXmlYearsAreRefused)
{
    const struct {
        double secondsSince2001;
        bool read;
    } cases[] = {
        {0, true},
        {-63113904000.0, true},    // 0001-01-01
        {252423993599.0, true},    // 9999-12-31 23:59:59
        {252423993600.0, false},   // 10000-01-01
        {-63113904001.0, false},   // the second before year 1
        {-3.8e13, false},
    };
    for (const auto& c : cases) {
        // "bplist00", one date object, a one-entry offset table, the trailer.
        QByteArray bytes("bplist00\x33", 9);
        quint64 bits = 0;
        std::memcpy(&bits, &c.secondsSince2001, sizeof bits);
        for (int shift = 56; shift >= 0; shift -= 8)
            bytes.append(char((bits >> shift) & 0xff));
        bytes.append(char(8));
        bytes.append(QByteArray(6, '\0')).append(char(1)).append(char(1));
        for (const quint64 field : {quint64(1), quint64(0), quint64(17)}) {
            for (int shift = 56; shift >= 0; shift -= 8)
                bytes.append(char((field >> shift) & 0xff));
        }
        const auto parsed = PropertyList::parse(bytes);
        EXPECT_EQ(parsed.ok(), c.read) << c.secondsSince2001 << " " << qPrintable(parsed.message);
        if (parsed.ok()) {
            const auto again = PropertyList::parse(PropertyList::toXml(QVariantMap{{QStringLiteral("d"), parsed.value}}));
            ASSERT_TRUE(again.ok()) << c.secondsSince2001;
            EXPECT_EQ(again.value.toMap().value(QStringLiteral("d")), parsed.value) << c.secondsSince2001;
        }
    }
}

TEST(PropertyList, WriteFileIsAtomicAndCanBePrivate)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("secret.plist"));
    QString error;
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantMap{{QStringLiteral("a"), 1}}, &error,
                                        korvel::FileAccess::OwnerOnly));
    EXPECT_EQ(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                            | QFileDevice::WriteUser);
    EXPECT_EQ(PropertyList::readFile(path).value.toMap().value(QStringLiteral("a")).toLongLong(), 1);

    EXPECT_FALSE(PropertyList::writeFile(dir.filePath(QStringLiteral("missing/dir/x.plist")), QVariantMap{}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(PropertyList::readFile(dir.filePath(QStringLiteral("absent.plist"))).error, PropertyListError::Unreadable);
}

// Other writers' documents: libplist's serialisation, comments, CDATA, references, odd spacing.
TEST(PropertyList, ReadsWhatOtherWritersProduce)
{
    const QByteArray ours = PropertyList::toXml(sampleDocument());
    plist_t root = nullptr;
    plist_from_xml(ours.constData(), static_cast<uint32_t>(ours.size()), &root);
    ASSERT_NE(root, nullptr) << "libplist reads what we write";
    char* theirs = nullptr;
    uint32_t length = 0;
    plist_to_xml(root, &theirs, &length);
    const auto parsed = PropertyList::parse(QByteArray(theirs, length));
    free(theirs);
    plist_free(root);
    ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.message);
    EXPECT_EQ(parsed.value.toMap(), sampleDocument());

    const QByteArray handWritten =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!-- exported by hand -->\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version='1.0'><dict>\n"
        "  <key>Settings&amp;XML</key> <string><![CDATA[<plist>&raw</plist>]]> &lt;&#233;&#x1F600;&gt;</string>\n"
        "  <!-- a comment between entries -->\n"
        "  <key>Empty</key><string/>\n"
        "  <key>Hex</key><integer> 0x1F </integer>\n"
        "  <key>Inf</key><real>-infinity</real>\n"
        "  <key>Data</key><data>\n\tAAEC\n\t/w==\n</data>\n"
        "  <key>When</key><date>2026-12-06T07:30:15Z</date>\n"
        "  <key>Flag</key><true></true>\n"
        "</dict></plist>\n";
    const auto hand = PropertyList::parse(handWritten);
    ASSERT_TRUE(hand.ok()) << qPrintable(hand.message);
    const QVariantMap d = hand.value.toMap();
    EXPECT_EQ(d.value(QStringLiteral("Settings&XML")).toString(), QString::fromUtf8("<plist>&raw</plist> <é😀>"));
    EXPECT_EQ(d.value(QStringLiteral("Empty")).toString(), QString());
    EXPECT_EQ(d.value(QStringLiteral("Hex")).toLongLong(), 31);
    EXPECT_EQ(d.value(QStringLiteral("Inf")).toDouble(), -HUGE_VAL);
    EXPECT_EQ(d.value(QStringLiteral("Data")).toByteArray(), QByteArray("\x00\x01\x02\xff", 4));
    EXPECT_EQ(d.value(QStringLiteral("When")).toDateTime(), QDateTime(QDate(2026, 12, 6), QTime(7, 30, 15), Qt::UTC));
    EXPECT_EQ(d.value(QStringLiteral("Flag")), QVariant(true));
}

TEST(PropertyList, ControlCharactersNeverMakeTheFileUnreadable)
{
    const QString text = QStringLiteral("bell\x07 tab\t line\n") + QChar(0xD800) + QStringLiteral("end");
    const auto parsed = PropertyList::parse(PropertyList::toXml(QVariantMap{{QStringLiteral("t"), text}}));
    ASSERT_TRUE(parsed.ok()) << qPrintable(parsed.message);
    EXPECT_EQ(parsed.value.toMap().value(QStringLiteral("t")).toString(),
              QStringLiteral("bell\uFFFD tab\t line\n\uFFFDend"));
}

TEST(PropertyList, HostileNestingIsRefusedNotFollowed)
{
    QByteArray deepXml = "<plist>";
    for (int i = 0; i < 100000; ++i)
        deepXml += "<array>";
    EXPECT_EQ(PropertyList::parse(deepXml).error, PropertyListError::Malformed);

    // A binary array that contains itself.
    QByteArray cyclic("bplist00", 8);
    cyclic += char(0xA1);  // array of one element...
    cyclic += char(0x00);  // ...which is object 0, itself
    const char offsetTable[] = {8};
    cyclic.append(offsetTable, 1);
    QByteArray trailer(32, '\0');
    trailer[6] = 1;   // offset size
    trailer[7] = 1;   // reference size
    trailer[15] = 1;  // one object
    trailer[31] = 10;  // the offset table starts at byte 10
    cyclic += trailer;
    const auto parsed = PropertyList::parse(cyclic);
    EXPECT_EQ(parsed.error, PropertyListError::Malformed);
    EXPECT_TRUE(parsed.message.contains(QStringLiteral("refer to themselves"))) << qPrintable(parsed.message);
}

// A large document read from a file whose bytes are given back as the parser passes them: the
// result, and the line of a late error, are those of a parse that keeps every byte.
TEST(PropertyList, BytesGivenBackBehindTheReaderChangeNothing)
{
    QVariantList records;
    for (int i = 0; i < 3000; ++i)
        records.append(QVariantMap{{QStringLiteral("Title"), QStringLiteral("Site %1").arg(i)},
                                   {QStringLiteral("Data"), QString(4096, QLatin1Char('a' + i % 26))},
                                   {QStringLiteral("Rest"), sampleDocument()}});
    const QVariant document = QVariantMap{{QStringLiteral("Records"), records}};
    const QByteArray xml = PropertyList::toXml(document);
    QByteArray damaged = xml;
    damaged.replace("</plist>", "</plost>");

    QTemporaryDir dir;
    for (const QByteArray& bytes : {xml, damaged}) {
        const QString path = dir.filePath(QStringLiteral("document.plist"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        QString error;
        std::optional<korvel::FileBytes> read = korvel::FileBytes::read(path, &error);
        ASSERT_TRUE(read) << qPrintable(error);
        int reports = 0;
        const korvel::PropertyListParse given = PropertyList::parse(read->bytes(), [&](const char* upTo) {
            ++reports;
            read->release(upTo);
        });
        const korvel::PropertyListParse kept = PropertyList::parse(bytes);
        EXPECT_GT(reports, 2);
        EXPECT_EQ(given.error, kept.error);
        EXPECT_EQ(given.message, kept.message);
        EXPECT_TRUE(given.value == kept.value);
    }
    QString error;
    EXPECT_FALSE(korvel::FileBytes::read(dir.filePath(QStringLiteral("missing.plist")), &error));
    EXPECT_FALSE(error.isEmpty());
}
