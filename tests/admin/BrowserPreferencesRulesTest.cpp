#include "admin/BrowserPreferencesForm.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(BrowserPreferencesRules, NumbersAreDigitsWithinTheirRange)
{
    using N = PreferenceNumber;
    const struct {
        N number;
        const char* text;
        std::optional<qint32> accepted;
    } cases[] = {
        {N::IdleTimeout, "9", std::nullopt},      {N::IdleTimeout, "10", 10},          {N::IdleTimeout, "59999", 59999},
        {N::IdleTimeout, "60000", std::nullopt},  {N::IdleTimeout, "12a", std::nullopt}, {N::IdleTimeout, "", std::nullopt},
        {N::IdleTimeout, " 30", std::nullopt},    {N::IdleTimeout, "-20", std::nullopt}, {N::IdleTimeout, "+20", std::nullopt},
        {N::PasswordTimeout, "0", std::nullopt},  {N::PasswordTimeout, "1", 1},        {N::PasswordTimeout, "999", 999},
        {N::PasswordTimeout, "1000", std::nullopt},
        {N::NumberOfTaps, "3", std::nullopt},     {N::NumberOfTaps, "4", 4},           {N::NumberOfTaps, "40", 40},
        {N::NumberOfTaps, "41", std::nullopt},
        {N::Port, "1024", std::nullopt},          {N::Port, "1025", 1025},             {N::Port, "65535", 65535},
        {N::Port, "65536", std::nullopt},         {N::Port, "99999999999999999999", std::nullopt},
        {N::Zoom, "99", std::nullopt},            {N::Zoom, "100", 100},               {N::Zoom, "0999", 999},
        {N::Zoom, "1000", std::nullopt},          {N::Zoom, "１２０", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrowserPreferencesRules::accept(c.number, QString::fromUtf8(c.text)), c.accepted)
            << BrowserPreferencesRules::rule(c.number).key << " \"" << c.text << '"';
}

TEST(BrowserPreferencesRules, StrongPasswords)
{
    const struct {
        const char* password;
        bool strong;
    } cases[] = {
        {"Abcdef1!", true},  {"Abcde1!", false},   {"abcdef1!", false}, {"ABCDEF1!", false}, {"Abcdefg!", false},
        {"Abcdefg1", false}, {"Abcdef1!#", false}, {"Äbcdef1!", false}, {"", false},          {"Aa1$Aa1$Aa1$", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrowserPreferencesRules::isStrongPassword(QString::fromUtf8(c.password)), c.strong) << c.password;
}

TEST(BrowserPreferencesRules, ToolbarAndMenuExcludeEachOther)
{
    KVBrowserPrefSettings v;
    BrowserPreferencesRules::setMenu(v, true);
    BrowserPreferencesRules::setToolbar(v, true);
    EXPECT_TRUE(v.enableToolBar);
    EXPECT_FALSE(v.enableMenu);
    BrowserPreferencesRules::setMenu(v, true);
    EXPECT_FALSE(v.enableToolBar);
    BrowserPreferencesRules::setMenu(v, false);
    EXPECT_FALSE(v.enableToolBar) << "switching one off leaves the other";
}

TEST(BrowserPreferencesRules, DependentRows)
{
    KVBrowserPrefSettings v;
    PreferenceRowStates s = BrowserPreferencesRules::rowStates(v);
    EXPECT_FALSE(s.passwordTimeout);
    EXPECT_FALSE(s.customUserAgentHeader);
    EXPECT_FALSE(s.popupInSameWindow);
    EXPECT_TRUE(s.iconResizeAndRelocation);
    EXPECT_FALSE(s.downloadFollowUps);
    EXPECT_TRUE(s.port);
    v.restrictSettings = v.enableCustomUserAgentHeader = v.allowPopup = v.useMultiTab = v.isAllowFileDownloadInDevice = v.serverSwitchOnOFF = true;
    s = BrowserPreferencesRules::rowStates(v);
    EXPECT_TRUE(s.passwordTimeout);
    EXPECT_TRUE(s.customUserAgentHeader);
    EXPECT_TRUE(s.popupInSameWindow);
    EXPECT_FALSE(s.iconResizeAndRelocation);
    EXPECT_TRUE(s.downloadFollowUps);
    EXPECT_FALSE(s.port);
}

TEST(BrowserPreferencesRules, WriteBackFallsBackForcesAndLogsInOrder)
{
    KVBrowserPrefSettings record = KVBrowserPrefSettings::init();
    record.useMultiTab = true;
    record.motionType = 2;
    const BrowserPreferencesForm opened = BrowserPreferencesForm::fromRecord(record);
    BrowserPreferencesForm form = opened;
    form.values.allowResize = form.values.allowDragDrop = true;
    form.values.enableCustomUserAgentHeader = true;
    form.values.customUserAgentHeader = QStringLiteral("  ");
    form.values.motionType = 0;  // not the editor's: stays as stored
    form.idleTimeout = QStringLiteral("60000");
    form.port = QStringLiteral("1025");
    form.zoom = QStringLiteral("12a");
    form.numberTaps = QStringLiteral("41");
    form.passwordTimeout = QStringLiteral("0");
    form.values.uploadAccessCode = QStringLiteral("4711");
    form.memoryLimit = QStringLiteral("-1");
    form.values.restartDailyAt = QStringLiteral("25:00");

    const QStringList lines = BrowserPreferencesRules::writeBack(record, opened, form);
    EXPECT_EQ(record.idleTimeout, 10);
    EXPECT_EQ(record.port, 1025);
    EXPECT_EQ(record.intZoom, 100);
    EXPECT_EQ(record.numberTaps, 5);
    EXPECT_EQ(record.passwordTimeout, 1);
    EXPECT_FALSE(record.allowResize);
    EXPECT_FALSE(record.allowDragDrop);
    EXPECT_EQ(record.customUserAgentHeader, QStringLiteral("Korvel"));
    EXPECT_EQ(record.motionType, 2);
    EXPECT_EQ(record.rendererMemoryLimitMB, 0);
    EXPECT_EQ(record.restartDailyAt, QString()) << "no time of day: the one in force stays";
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines.first(), QStringLiteral("WebView Bounce value changed: 1"));
    EXPECT_EQ(lines.at(17), QStringLiteral("IdleTimeout value changed: 10"));
    EXPECT_EQ(lines.at(21), QStringLiteral("Server State Changed: Off"));
    EXPECT_EQ(lines.at(26), QStringLiteral("Allow Icon Resize value changed: 0"));
    EXPECT_EQ(lines.at(28), QStringLiteral("Enable Guided Access Mode vale changed: 0"));
    EXPECT_EQ(record.uploadAccessCode, QStringLiteral("4711"));
    EXPECT_EQ(lines.at(29), QStringLiteral("Upload Access Code set: Yes")) << "the code itself is never logged";
    EXPECT_EQ(lines.last(), QStringLiteral("Restart Daily At set: never"));
}

// Opening and leaving the editor changes nothing nobody touched: stored values outside what one may
// type stay, and what another writer (korvelctl, an import) changed meanwhile is kept.
TEST(BrowserPreferencesRules, WriteBackWritesOnlyWhatTheAdministratorChanged)
{
    KVBrowserPrefSettings stored = KVBrowserPrefSettings::init();
    stored.idleTimeout = 0;  // the idle timer off
    stored.port = 1024;      // from a document
    stored.brightness = 0.25f;
    const BrowserPreferencesForm opened = BrowserPreferencesForm::fromRecord(stored);

    KVBrowserPrefSettings record = stored;
    BrowserPreferencesRules::writeBack(record, opened, opened);
    EXPECT_EQ(record, stored);

    record.numberTaps = 7;  // changed elsewhere while the editor was open
    record.enableCopyPaste = false;
    BrowserPreferencesForm form = opened;
    form.idleTimeout = QStringLiteral("45");
    form.values.makeToast = !stored.makeToast;
    BrowserPreferencesRules::writeBack(record, opened, form);
    EXPECT_EQ(record.idleTimeout, 45);
    EXPECT_EQ(record.makeToast, !stored.makeToast);
    EXPECT_EQ(record.numberTaps, 7);
    EXPECT_FALSE(record.enableCopyPaste);
    EXPECT_EQ(record.port, 1024);
}

}  // namespace
}  // namespace korvel
