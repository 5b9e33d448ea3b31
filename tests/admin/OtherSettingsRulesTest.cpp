#include "admin/OtherSettingsRules.h"
#include "admin/SettingsSearch.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(OtherSettingsRules, ToolbarImageNamesEndInAnImageSuffixAsTyped)
{
    const struct {
        const char* name;
        bool accepted;
    } cases[] = {
        {"logo.png", true}, {"logo.PNG", false}, {"", true},        {"a.jpeg", true}, {"a.tiff", true},
        {"a.svg", false},   {"png", true},       {"Default", false}, {"a.png ", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OtherSettingsRules::isImageName(QString::fromUtf8(c.name)), c.accepted) << c.name;
}

TEST(OtherSettingsRules, TabCounts)
{
    const struct {
        const char* typed;
        std::optional<qint32> accepted;
    } cases[] = {{"1", 1}, {"8", 8}, {"0", std::nullopt}, {"9", std::nullopt}, {"12", std::nullopt}, {"3a", std::nullopt}, {"", std::nullopt}, {"-2", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(OtherSettingsRules::acceptTabCount(QString::fromUtf8(c.typed)), c.accepted) << c.typed;
    EXPECT_EQ(OtherSettingsRules::shownTabCount(0), 8);
    EXPECT_EQ(OtherSettingsRules::shownTabCount(12), 8);
    EXPECT_EQ(OtherSettingsRules::shownTabCount(3), 3);
}

TEST(SettingsSearch, FindsByTitleOrSubtitleIgnoringCaseAndAccents)
{
    const auto titles = [](const QString& text) {
        QStringList t;
        for (const menuParams& e : SettingsSearch::filter(text))
            t << e.menuMainText;
        return t;
    };
    EXPECT_EQ(titles(QStringLiteral("zoom")), (QStringList{QStringLiteral("Enable Zoom"), QStringLiteral("Set Initial Zoom Level")}));
    EXPECT_EQ(titles(QStringLiteral("ZÓOM")), titles(QStringLiteral("zoom")));
    EXPECT_TRUE(titles(QStringLiteral("idletimeout")).contains(QStringLiteral("Go to Home"))) << "the subtitle counts";
    EXPECT_TRUE(titles(QStringLiteral("Browser Preferences")).isEmpty()) << "the screen's name does not";
    EXPECT_EQ(SettingsSearch::filter(QString()).size(), SettingsSearch::entries().size());
    // Each place is named once per screen.
    QStringList places;
    for (const menuParams& e : SettingsSearch::entries()) {
        const QString place = e.menuImage + QLatin1Char('/') + QString::number(e.menuId);
        EXPECT_FALSE(places.contains(place)) << e.menuMainText.toStdString();
        places << place;
    }
}

}  // namespace
}  // namespace korvel
