#include "platform/Translations.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QXmlStreamReader>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Every key the program looks up, straight from its sources: qtTrId("KEY"), qtTrId("KEY", n) and
// QT_TRID_NOOP("KEY").
QSet<QString> keysInTheCode()
{
    static const QRegularExpression lookup(QString::fromLatin1(R"re((?:qtTrId|QT_TRID_NOOP)\(\s*"([A-Z][A-Z0-9_]+)"\s*[,)])re"));
    QSet<QString> keys;
    for (const char* folder : {"platform", "settings", "log", "policy", "browser", "admin", "app", "cli", "transfer", "files"}) {
        QDirIterator it(QStringLiteral(KORVEL_SOURCE_DIR "/") + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (auto match = lookup.globalMatch(text); match.hasNext();)
                keys.insert(match.next().captured(1));
        }
    }
    return keys;
}

TEST(Translations, EveryKeyInTheCodeHasAnEnglishText)
{
    ASSERT_TRUE(Translations::install(QLocale(QLocale::English, QLocale::UnitedStates)));
    const QSet<QString> keys = keysInTheCode();
    // The toolbar alone looks up seven keys: finding fewer means the scan itself broke.
    ASSERT_GE(keys.size(), 10);
    for (const QString& key : keys) {
        const QString text = qtTrId(key.toLatin1().constData());
        EXPECT_FALSE(text.isEmpty() || text == key) << "no English text for " << key.toStdString();
    }
}

TEST(Translations, ALanguageFallsBackToItsLanguageThenToEnglish)
{
    const struct {
        QLocale locale;
        const char* catalogue;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Austria), "korvel_de.qm"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "korvel_ar.qm"},
        {QLocale(QLocale::Japanese), "korvel_en.qm"},
        {QLocale(QLocale::Swedish, QLocale::Sweden), "korvel_en.qm"},
        {QLocale::c(), "korvel_en.qm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_TRUE(Translations::catalogueFor(c.locale).endsWith(QLatin1Char('/') + QLatin1String(c.catalogue)));
        ASSERT_TRUE(Translations::install(c.locale));
    }
    ASSERT_TRUE(Translations::install(QLocale(QLocale::Swedish, QLocale::Sweden)));
    EXPECT_EQ(qtTrId("TEXT_BACK"), QStringLiteral("Back"));
    EXPECT_EQ(Translations::installedLocale().language(), QLocale::English);
    ASSERT_TRUE(Translations::install(QLocale(QLocale::German, QLocale::Austria)));
    EXPECT_EQ(Translations::installedLocale().name(), QStringLiteral("de_AT"));
    EXPECT_NE(qtTrId("TEXT_BACK"), QStringLiteral("Back"));
}

// One message of a catalogue: its English (or translated) forms, and whether it is finished.
struct Message {
    QStringList forms;  // one, or the numerus forms
    bool numerus = false;
    bool finished = true;
};

QHash<QString, Message> readCatalogue(const QString& path)
{
    QHash<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString id;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
            message = Message{{}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), true};
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            message.finished = type.isEmpty();
            if (!message.numerus)
                message.forms << xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message") && !id.isEmpty()) {
            messages.insert(id, message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[0-9]+"));
    QStringList found;
    for (auto m = marker.globalMatch(text); m.hasNext();)
        found << m.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

// Every shipped catalogue says everything the English one says, finished, with the same
// placeholders, and in as many plural forms as its language has.
TEST(Translations, EveryCatalogueIsComplete)
{
    const QString folder = QStringLiteral(KORVEL_SOURCE_DIR "/resources/translations/");
    const QHash<QString, Message> english = readCatalogue(folder + QStringLiteral("korvel_en.ts"));
    ASSERT_GE(english.size(), 250);
    const QHash<QString, int> pluralForms{{QStringLiteral("ar"), 6}, {QStringLiteral("pl"), 3}};
    const QStringList files = QDir(folder).entryList({QStringLiteral("korvel_*.ts")}, QDir::Files);
    for (const QString& file : files) {
        const QString language = file.mid(7).chopped(3);
        if (language == QLatin1String("en"))
            continue;
        SCOPED_TRACE(file.toStdString());
        const QHash<QString, Message> translated = readCatalogue(folder + file);
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const Message& source = it.value();
            if (!translated.contains(it.key())) {
                ADD_FAILURE() << "missing " << it.key().toStdString();
                continue;
            }
            const Message& t = translated.value(it.key());
            EXPECT_TRUE(t.finished) << "unfinished " << it.key().toStdString();
            EXPECT_EQ(t.numerus, source.numerus) << it.key().toStdString();
            if (source.numerus)
                EXPECT_EQ(t.forms.size(), pluralForms.value(language, 2)) << "plural forms of " << it.key().toStdString();
            for (const QString& form : t.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << "empty " << it.key().toStdString();
                EXPECT_EQ(placeholders(form), placeholders(source.forms.value(0))) << it.key().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace korvel
