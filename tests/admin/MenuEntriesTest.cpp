#include "admin/MenuEntries.h"
#include "platform/Translations.h"
#include "platform/Version.h"
#include "settings/KVBrowserPrefSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

struct RowsCase {
    const char* name;
    bool allowAllWebsites;
    FactoryPassword password;
    std::vector<int> ids;
    std::vector<const char*> titles;
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.name; }

class MenuRows : public ::testing::TestWithParam<RowsCase> {};

TEST_P(MenuRows, FollowTheAllowAllPreference)
{
    const RowsCase& c = GetParam();
    // Two rows take their titles from the text catalogue.
    ASSERT_TRUE(Translations::install());
    KVBrowserPrefSettings preferences;
    preferences.allowAllWebsites = c.allowAllWebsites;
    const QList<menuParams> rows = menuEntries(preferences, c.password);

    ASSERT_EQ(size_t(rows.size()), c.ids.size());
    for (size_t i = 0; i < c.ids.size(); ++i) {
        EXPECT_EQ(rows[qsizetype(i)].menuId, c.ids[i]) << "row " << i;
        EXPECT_EQ(rows[qsizetype(i)].menuMainText, QString::fromUtf8(c.titles[i])) << "row " << i;
        EXPECT_FALSE(rows[qsizetype(i)].menuImage.isEmpty()) << "row " << i;
    }
    EXPECT_EQ(rows[aboutRowIndex(preferences, c.password)].menuId, AboutMenu);
}

INSTANTIATE_TEST_SUITE_P(
    AllowAll, MenuRows,
    ::testing::Values(
        RowsCase{"Off", false, FactoryPassword::Changed, {1, 8, 3, 4, 9, 5, 6, 10, 7},
                 {"Allowed Websites", "Manage Categories", "Browser Preferences", "Advanced Settings", "System Settings",
                  "Import/Export", "View Korvel Log", "Open Source Licenses", "About"}},
        RowsCase{"On", true, FactoryPassword::Changed, {1, 2, 8, 3, 4, 9, 5, 6, 10, 7},
                 {"Allowed Websites", "Blocked Websites", "Manage Categories", "Browser Preferences", "Advanced Settings",
                  "System Settings", "Import/Export", "View Korvel Log", "Open Source Licenses", "About"}},
        RowsCase{"FactoryPasswordInUse", true, FactoryPassword::InUse, {11, 1, 2, 8, 3, 4, 9, 5, 6, 10, 7},
                 {"The factory password is still in use. Change it.", "Allowed Websites", "Blocked Websites", "Manage Categories",
                  "Browser Preferences", "Advanced Settings", "System Settings", "Import/Export", "View Korvel Log",
                  "Open Source Licenses", "About"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuRows, TheAboutRowShowsThisBuildsVersion)
{
    EXPECT_EQ(menuEntries(KVBrowserPrefSettings{}).last().menuSubText,
              QStringLiteral("Korvel Version ") + QString::fromLatin1(version::shortVersion));
}

}  // namespace
}  // namespace korvel
