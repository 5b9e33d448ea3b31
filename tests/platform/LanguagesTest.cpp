#include "platform/Languages.h"
#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

const QStringList shippedHere{QStringLiteral("en"), QStringLiteral("ar"), QStringLiteral("de"), QStringLiteral("pt")};

TEST(Languages, ShippedCataloguesAreReadFromTheirFileNames)
{
    QTemporaryDir dir;
    for (const char* name : {"korvel_de.qm", "korvel_en.qm", "korvel_ar.qm", "korvel_pt_BR.qm", "korvel_fr.ts", "other_it.qm", "korvel_.qm"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(Languages::shipped(dir.path()), (QStringList{"en", "ar", "de", "pt_BR"}));
    EXPECT_TRUE(Languages::shipped(dir.filePath(QStringLiteral("absent"))).isEmpty());
}

TEST(Languages, ThePreferenceThenTheSystemThenEnglish)
{
    const struct {
        const char* preference;
        QLocale system;
        const char* shown;
    } cases[] = {
        {"", QLocale(QLocale::German, QLocale::Austria), "de_AT"},  // the system's, territory kept
        {"", QLocale(QLocale::Swedish, QLocale::Sweden), "en_US"},  // nothing shipped for it
        {"ar", QLocale(QLocale::German, QLocale::Germany), "ar_EG"},
        {"de", QLocale(QLocale::Arabic, QLocale::Egypt), "de_DE"},
        {"sv", QLocale(QLocale::German, QLocale::Germany), "de_DE"},  // from another kiosk: not shipped here
        {"../../etc", QLocale(QLocale::Swedish, QLocale::Sweden), "en_US"},
        {"pt", QLocale(QLocale::English, QLocale::UnitedKingdom), "pt_BR"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Languages::effective(QString::fromLatin1(c.preference), c.system, shippedHere).name(), QLatin1String(c.shown))
            << c.preference << " on " << c.system.name().toStdString();
}

TEST(Languages, NamedInThemselves)
{
    const struct {
        const char* code;
        const char* name;
    } cases[] = {{"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"pl", "Polski"}, {"ar", "العربية"}, {"en", "English"}};
    for (const auto& c : cases)
        EXPECT_EQ(Languages::nativeName(QString::fromLatin1(c.code)), QString::fromUtf8(c.name));
}

TEST(Languages, AcceptLanguageEndsInEnglish)
{
    const struct {
        QLocale locale;
        const char* header;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Austria), "de-AT,de;q=0.9,en;q=0.8"},
        {QLocale(QLocale::Arabic, QLocale::Egypt), "ar-EG,ar;q=0.9,en;q=0.8"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "en-US,en;q=0.9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Languages::acceptLanguage(c.locale), QLatin1String(c.header));
}

TEST(Languages, KeyboardLayoutsOfTheLanguageThenEnglish)
{
    const QStringList available{"ar_AR", "de_DE", "en_GB", "en_US", "fr_CA", "fr_FR", "pt_BR", "pt_PT"};
    const struct {
        QLocale locale;
        QStringList layouts;
    } cases[] = {
        {QLocale(QLocale::French, QLocale::France), {"fr_FR", "fr_CA", "en_US"}},
        {QLocale(QLocale::French, QLocale::Canada), {"fr_CA", "fr_FR", "en_US"}},
        {QLocale(QLocale::Arabic, QLocale::Egypt), {"ar_AR", "en_US"}},  // the keyboard's own name
        {QLocale(QLocale::English, QLocale::UnitedStates), {"en_US"}},
        {QLocale(QLocale::English, QLocale::Australia), {"en_GB"}},
        {QLocale(QLocale::Swedish, QLocale::Sweden), {"en_US"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Languages::keyboardLayouts(c.locale, available), c.layouts) << c.locale.name().toStdString();
}

}  // namespace
}  // namespace korvel
