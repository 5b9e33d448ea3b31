#include "platform/UserDefaults.h"
#include "settings/KVBrowserPrefSettings.h"
#include "tests/support/TestHome.h"

using korvel::KVBrowserPrefSettings;
using korvel::UserDefaults;
using FieldType = KVBrowserPrefSettings::FieldType;

namespace {

class PreferenceRecordTest : public korvel::test::TestHome {};

QVariantMap allDays(bool value)
{
    QVariantMap days;
    for (const char* d : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        days.insert(QString::fromLatin1(d), value);
    return days;
}

}  // namespace

TEST_F(PreferenceRecordTest, EveryKeySurvivesARoundTripWithNonDefaultValues)
{
    // Each field gets a value unlike its default and unlike zero, so a swapped or dropped key shows.
    const QVariantMap factory = KVBrowserPrefSettings::init().toDictionary();
    QVariantMap changed;
    int n = 0;
    for (const auto& field : KVBrowserPrefSettings::fields()) {
        const QString key = QString::fromLatin1(field.key);
        ++n;
        switch (field.type) {
        case FieldType::Bool:
            changed.insert(key, !factory.value(key).toBool());
            break;
        case FieldType::IntegerBool:
            changed.insert(key, qint64(1));
            break;
        case FieldType::Int:
            changed.insert(key, qint64(1000 + n));
            break;
        case FieldType::String:
            changed.insert(key, QStringLiteral("value of %1 ü").arg(key));
            break;
        case FieldType::Float:
            changed.insert(key, 0.25);
            break;
        case FieldType::TimeOfDay:
            changed.insert(key, key == QLatin1String("StartTime") ? QStringLiteral("09:30 AM") : QStringLiteral("11:05 PM"));
            break;
        case FieldType::Days: {
            QVariantMap days = allDays(false);
            days.insert(QStringLiteral("Wed"), true);
            changed.insert(key, days);
            break;
        }
        }
    }
    ASSERT_EQ(size_t(changed.size()), KVBrowserPrefSettings::fields().size()) << "every key appears once";
    const KVBrowserPrefSettings record = KVBrowserPrefSettings::initWithDictionary(changed);
    EXPECT_EQ(record.toDictionary(), changed);
    EXPECT_EQ(record.port, changed.value(QStringLiteral("Port")).toLongLong());
    EXPECT_EQ(record.startTime, QTime(9, 30));
    EXPECT_EQ(record.endTime, QTime(23, 5));
    EXPECT_TRUE(record.allowAllWebsites);
    EXPECT_EQ(KVBrowserPrefSettings::initWithDictionary(record.toDictionary()), record);
}

// A store written by an older version, or a document from another kiosk, may lack keys: they keep
// their factory values (read as zero, NumberOfTaps 0 opened the prompt on any tap).
TEST_F(PreferenceRecordTest, MissingKeysKeepTheirFactoryValuesAndHideMenuIsConverted)
{
    const KVBrowserPrefSettings factory = KVBrowserPrefSettings::init();
    EXPECT_EQ(KVBrowserPrefSettings::initWithDictionary(QVariantMap{}), factory);
    EXPECT_EQ(KVBrowserPrefSettings::initWithDictionary(std::nullopt), factory);

    const KVBrowserPrefSettings partial = KVBrowserPrefSettings::initWithDictionary(
        QVariantMap{{QStringLiteral("IdleTimeout"), qint64(45)}, {QStringLiteral("HideMenu"), false}});
    EXPECT_EQ(partial.idleTimeout, 45);
    EXPECT_EQ(partial.numberTaps, 5);
    EXPECT_TRUE(partial.enableToolBar);
    EXPECT_TRUE(partial.fullScreen);
    EXPECT_TRUE(partial.enableMenu) << "HideMenu false is EnableMenu true";
    EXPECT_FALSE(partial.toDictionary().contains(QStringLiteral("HideMenu")));
}

TEST_F(PreferenceRecordTest, ValuesOfTheWrongKindReadAsZero)
{
    const KVBrowserPrefSettings r = KVBrowserPrefSettings::initWithDictionary(QVariantMap{
        {QStringLiteral("Port"), QStringLiteral("8080")},
        {QStringLiteral("CopyPaste"), QStringLiteral("true")},
        {QStringLiteral("UserAgents"), qint64(3)},
        {QStringLiteral("DaySelected"), QVariantList{true}},
        {QStringLiteral("StartTime"), QStringLiteral("25:00 PM")},
        {QStringLiteral("IdleTimeout"), 12.9},
        {QStringLiteral("ZoomEnable"), qint64(2)},
        {QStringLiteral("CountOfTabs"), qint64(1) << 40},
    });
    EXPECT_EQ(r.port, 0);
    EXPECT_FALSE(r.enableCopyPaste);
    EXPECT_TRUE(r.userAgents.isNull());
    EXPECT_FALSE(r.daysSelected.has_value());
    EXPECT_FALSE(r.startTime.isValid());
    EXPECT_EQ(r.idleTimeout, 12) << "reals are truncated";
    EXPECT_TRUE(r.zoomEnable) << "any non-zero number is true";
    EXPECT_EQ(r.countOfTabs, std::numeric_limits<qint32>::max()) << "held to 32 bits";
}

TEST(PreferenceTimes, TwelveHourTextsInBothDirections)
{
    const struct {
        const char* text;
        QTime time;
    } cases[] = {
        {"12:00 AM", QTime(0, 0)}, {"09:30 AM", QTime(9, 30)}, {"12:00 PM", QTime(12, 0)},
        {"01:05 PM", QTime(13, 5)}, {"11:59 PM", QTime(23, 59)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KVBrowserPrefSettings::getTimeStringFromDate(c.time), QString::fromLatin1(c.text));
        EXPECT_EQ(KVBrowserPrefSettings::getDateFromTimeString(QString::fromLatin1(c.text)), c.time);
    }
    const struct {
        const char* text;
        QTime time;
    } readOnly[] = {
        {"00:00 am", QTime(0, 0)}, {"9:30 pm", QTime(21, 30)}, {"13:00 PM", QTime()}, {"09:60 AM", QTime()},
        {"09:30", QTime()},        {"", QTime()},              {"9.30 AM", QTime()},  {"09:30 AM extra", QTime()},
    };
    for (const auto& c : readOnly)
        EXPECT_EQ(KVBrowserPrefSettings::getDateFromTimeString(QString::fromLatin1(c.text)), c.time) << c.text;
}

TEST_F(PreferenceRecordTest, AfterImportCheckRepairsTheStoredDictionary)
{
    const QString hide = QStringLiteral("HideMenu");
    const QString schedule = QStringLiteral("EnableSchedulePowerSaver");
    const QString always = QStringLiteral("AlwaysSavePower");
    const QString menu = QStringLiteral("EnableMenu");
    const struct {
        const char* name;
        QVariantMap stored;
        QVariantMap expect;  // keys that must hold these values afterwards
        QStringList absent;
    } cases[] = {
        {"legacy HideMenu true", {{hide, true}}, {{menu, false}}, {hide}},
        {"legacy HideMenu false", {{hide, false}, {menu, false}}, {{menu, true}}, {hide}},
        {"both power savers on", {{schedule, true}, {always, true}}, {{schedule, false}, {always, false}}, {}},
        {"both power savers off", {{schedule, false}, {always, false}}, {{schedule, false}, {always, false}}, {}},
        {"one power saver on", {{schedule, true}, {always, false}}, {{schedule, true}, {always, false}}, {}},
        {"only one power key", {{always, true}}, {{always, true}, {schedule, false}}, {}},
        {"missing keys filled", {{QStringLiteral("Port"), qint64(9000)}},
         {{QStringLiteral("Port"), qint64(9000)}, {QStringLiteral("CountOfTabs"), qint64(8)},
          {QStringLiteral("UserAgents"), QStringLiteral("Default")}},
         {}},
        {"nothing stored", {}, {{QStringLiteral("CountOfTabs"), qint64(8)}}, {}},
    };
    for (const auto& c : cases) {
        UserDefaults& defaults = UserDefaults::standard();
        defaults.setObject(QStringLiteral("BrowserPreferences"), c.stored);
        KVBrowserPrefSettings record;
        record.port = 1;
        record.afterImportCheck(defaults);
        EXPECT_EQ(record, KVBrowserPrefSettings::init()) << c.name << ": the record itself is reset";

        const QVariantMap repaired = defaults.dictionaryForKey(QStringLiteral("BrowserPreferences"));
        EXPECT_EQ(size_t(repaired.size()), KVBrowserPrefSettings::fields().size()) << c.name;
        for (auto it = c.expect.constBegin(); it != c.expect.constEnd(); ++it)
            EXPECT_EQ(repaired.value(it.key()), it.value()) << c.name << ": " << qPrintable(it.key());
        for (const QString& key : c.absent)
            EXPECT_FALSE(repaired.contains(key)) << c.name << ": " << qPrintable(key);
    }
}

// A row's own parts agree: a factory value that does not parse, or lies outside the values the row
// allows, would be replaced on every import; two rows at one place would hide one from the search.
TEST(PreferenceSchema, EveryRowIsConsistent)
{
    const KVBrowserPrefSettings factory = KVBrowserPrefSettings::init();
    QStringList places;
    for (const auto& field : KVBrowserPrefSettings::fields()) {
        const QString key = QString::fromLatin1(field.key);
        if (field.factory || field.factoryNow)
            EXPECT_TRUE(KVBrowserPrefSettings::factoryValue(field).isValid()) << field.key;
        QVariantMap one{{key, factory.valueForField(field)}};
        EXPECT_TRUE(KVBrowserPrefSettings::keepWithinRanges(one).isEmpty()) << field.key;
        if (field.typedRange)
            EXPECT_TRUE(field.range && field.range->contains(field.typedRange->minimum)
                        && field.range->contains(field.typedRange->maximum)) << field.key;
        if (field.names)
            EXPECT_EQ(field.valueNames().size(), field.range->maximum - field.range->minimum + 1) << field.key;
        if (field.place.screen) {
            const QString place = QStringLiteral("%1/%2/%3").arg(QString::fromLatin1(field.place.screen)).arg(field.place.section).arg(field.place.row);
            EXPECT_FALSE(places.contains(place)) << field.key;
            EXPECT_EQ(KVBrowserPrefSettings::fieldAt(field.place.screen, field.place.section, field.place.row), &field);
            places << place;
        }
    }
    EXPECT_EQ(factory.numberTaps, 5);
    EXPECT_EQ(factory.remoteControlAddress, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(factory.startTime, QTime(0, 0));
}
