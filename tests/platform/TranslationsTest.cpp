#include "platform/Translations.h"
#include "tests/support/QtPrinters.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// Every key the program looks up, straight from its sources: qtTrId("KEY"), QT_TRID_NOOP("KEY"),
// and the keys a preference's place names as its row's texts (the rows translate them).
QSet<QString> keysInTheCode()
{
    static const QRegularExpression lookup(QString::fromLatin1(R"re((?:qtTrId|QT_TRID_NOOP)\(\s*"([A-Z][A-Z0-9_]+)"\s*\))re"));
    static const QRegularExpression place(QString::fromLatin1(R"re(\.shownAt\(\{[^}]*\}\))re"));
    static const QRegularExpression key(QString::fromLatin1(R"re("([A-Z][A-Z0-9_]+)")re"));
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
            for (auto at = place.globalMatch(text); at.hasNext();) {
                for (auto match = key.globalMatch(at.next().captured(0)); match.hasNext();)
                    keys.insert(match.next().captured(1));
            }
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

TEST(Translations, ALanguageWithoutACatalogueFallsBackToEnglish)
{
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Austria), QLocale(QLocale::Japanese), QLocale::c()}) {
        EXPECT_TRUE(Translations::catalogueFor(locale).endsWith(QStringLiteral("/korvel_en.qm"))) << locale.name().toStdString();
        ASSERT_TRUE(Translations::install(locale));
        EXPECT_EQ(qtTrId("TEXT_BACK"), QStringLiteral("Back"));
    }
}

}  // namespace
}  // namespace korvel
