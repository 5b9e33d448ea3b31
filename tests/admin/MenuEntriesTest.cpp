#include "admin/MenuEntries.h"
#include "platform/Translations.h"
#include "platform/Version.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace korvel {
namespace {

// The rows that come and go: blocked websites only while every website is allowed (right after the
// allowed ones), the warning first while the factory password is in use. About stays last with
// this build's version, and every row has words, not a text key, and an image.
TEST(MenuRows, OptionalRowsFollowThePreferencesAndThePassword)
{
    ASSERT_TRUE(Translations::install());
    const QRegularExpression key(QStringLiteral("^[A-Z][A-Z0-9_]+$"));
    const struct {
        const char* name;
        bool allowAllWebsites;
        FactoryPassword password;
        bool blocked;
    } cases[] = {
        {"allow-all off", false, FactoryPassword::Changed, false},
        {"allow-all on", true, FactoryPassword::Changed, true},
        {"factory password in use", false, FactoryPassword::InUse, false},
    };
    for (const auto& c : cases) {
        KVBrowserPrefSettings preferences;
        preferences.allowAllWebsites = c.allowAllWebsites;
        const QList<menuParams> rows = menuEntries(preferences, c.password);
        QList<int> ids;
        for (const menuParams& row : rows) {
            ids << row.menuId;
            EXPECT_FALSE(row.menuMainText.isEmpty() || key.match(row.menuMainText).hasMatch()) << c.name << ": " << qPrintable(row.menuMainText);
            EXPECT_FALSE(row.menuImage.isEmpty()) << c.name << ": " << qPrintable(row.menuMainText);
        }
        EXPECT_EQ(ids.first() == ChangePasswordMenu, c.password == FactoryPassword::InUse) << c.name;
        EXPECT_EQ(ids.indexOf(BlockedWebsitesMenu), c.blocked ? ids.indexOf(AllowedWebsitesMenu) + 1 : -1) << c.name;
        EXPECT_EQ(ids.last(), AboutMenu) << c.name;
        EXPECT_EQ(rows.last().menuSubText, QStringLiteral("Korvel Version ") + QString::fromLatin1(version::shortVersion)) << c.name;
        EXPECT_EQ(QSet<int>(ids.begin(), ids.end()).size(), ids.size()) << c.name << ": every row once";
    }
}

}  // namespace
}  // namespace korvel
