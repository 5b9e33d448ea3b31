#include "platform/Translations.h"
#include "settings/ShownText.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace korvel {
namespace {

using Field = KVBrowserPrefSettings::Field;

// id -> English source of every message of the English catalogue.
QHash<QString, QString> englishCatalogue()
{
    QFile file(QStringLiteral(KORVEL_SOURCE_DIR "/resources/translations/korvel_en.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QHash<QString, QString> sources;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message"))
            id = xml.attributes().value(QLatin1String("id")).toString();
        else if (xml.name() == QLatin1String("source"))
            sources.insert(id, xml.readElementText());
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sources;
}

// Every text a screen shows for a preference, by its id, in the schema's English.
QHash<QString, QString> schemaTexts()
{
    QHash<QString, QString> texts;
    for (const Field& field : KVBrowserPrefSettings::fields()) {
        if (field.place.screen) {
            texts.insert(QString::fromLatin1(shownTitleId(field)), QString::fromUtf8(field.place.title));
            if (field.place.subtitle)
                texts.insert(QString::fromLatin1(shownDetailId(field)), QString::fromUtf8(field.place.subtitle));
        }
        for (const QString& name : field.valueNames())
            texts.insert(QString::fromLatin1(shownValueNameId(field, name)), name);
    }
    return texts;
}

// A changed title in the schema must change the catalogue too (cmake --build build --target
// update_preference_texts), or translators never see it.
TEST(PreferenceTexts, CatalogueHoldsTheSchemasEnglish)
{
    const QHash<QString, QString> catalogue = englishCatalogue();
    const QHash<QString, QString> expected = schemaTexts();
    ASSERT_GT(expected.size(), 80);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(catalogue.value(it.key()), it.value()) << it.key().toStdString() << " (run the update_preference_texts target)";
    for (auto it = catalogue.begin(); it != catalogue.end(); ++it) {
        if (it.key().startsWith(QLatin1String("PREF_")))
            EXPECT_TRUE(expected.contains(it.key())) << it.key().toStdString() << " is no shown text of the schema any more";
    }
}

TEST(PreferenceTexts, ScreensShowTheCompiledCatalogue)
{
    ASSERT_TRUE(Translations::install(QLocale(QLocale::English, QLocale::UnitedStates)));
    for (const Field& field : KVBrowserPrefSettings::fields()) {
        if (!field.place.screen)
            continue;
        // The compiled catalogue answers each id itself, rather than the English fallback standing in.
        EXPECT_EQ(qtTrId(shownTitleId(field).constData()), QString::fromUtf8(field.place.title)) << field.key;
        EXPECT_EQ(shownTitle(field), QString::fromUtf8(field.place.title)) << field.key;
        EXPECT_EQ(shownDetail(field), QString::fromUtf8(field.place.subtitle)) << field.key;
    }
    const struct {
        const char* key;
        QStringList names;
    } cases[] = {
        {"MotionType", {QStringLiteral("Walking"), QStringLiteral("Running"), QStringLiteral("Automotive")}},
        {"BrowserOrientation", {QStringLiteral("None"), QStringLiteral("Landscape"), QStringLiteral("Portrait")}},
        {"IdleTimeout", {}},
        {"NoSuchKey", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shownValueNames(c.key), c.names) << c.key;
    EXPECT_EQ(shownTitle("NoSuchKey"), QString());
}

}  // namespace
}  // namespace korvel
