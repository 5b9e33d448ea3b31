#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "log/KVLogger.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/WindowTest.h"
#include "transfer/ImportExport.h"
#include "transfer/UploadServerControl.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace korvel {
namespace {

using S = KVBrowserPreferences;

class FakeServer final : public UploadServerControl {
public:
    bool isServerRunning() const override { return running; }
    void stopServerConnection() override { running = false; }
    bool startServerConnectionWith(int p) override
    {
        port = p;
        running = starts;
        return starts;
    }
    std::optional<QUrl> documentAddress(const QString&) const override
    {
        if (!running || !address)
            return std::nullopt;
        return QUrl(QStringLiteral("http://192.168.1.20:%1/").arg(port));
    }
    bool running = false;
    bool starts = true;
    bool address = true;
    int port = 0;
};

class BrowserPreferencesTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        KVLogger::createDatabase_Tables();
        ImportExport::setServerControl(&server);
        makeStack(new Screen);
        menu = new KVMainMenuViewController;
        stack->push(menu, Animation::None);
    }
    void TearDown() override
    {
        ImportExport::setServerControl(nullptr);
        WindowTest::TearDown();
    }

    KVBrowserPreferences* open()
    {
        menu->didSelectMenuId(BrowserPreferencesMenu);
        return qobject_cast<KVBrowserPreferences*>(stack->topScreen());
    }
    void close()
    {
        stack->pop(Animation::None);
        flushDeletes();
    }
    ToggleSwitch* toggle(KVBrowserPreferences* editor, int section, int row)
    {
        TableCell* cell = editor->tableView()->cellWithId(S::id(section, row));
        return cell ? cell->toggle() : nullptr;
    }

    FakeServer server;
    KVMainMenuViewController* menu = nullptr;
};

// The idle section's links open their own settings screens.
TEST_F(BrowserPreferencesTest, TheIdleLinksOpenTheirScreens)
{
    const struct {
        int row;
        const char* screen;
    } links[] = {{2, "korvel::KVScreenSaverSettingsViewController"}, {3, "korvel::KVPowerSaverSettingsViewController"},
                 {4, "korvel::KVMotionDetectionSettingsViewController"}};
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    for (const auto& link : links) {
        Q_EMIT editor->tableView()->rowSelected(S::IdleSection, link.row, S::id(S::IdleSection, link.row));
        EXPECT_STREQ(stack->topScreen()->metaObject()->className(), link.screen);
        close();
        ASSERT_EQ(stack->topScreen(), editor);
    }
}

TEST_F(BrowserPreferencesTest, TypedNumbersAreCheckedAndRefusedOnesFallBack)
{
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    const struct {
        int section;
        int row;
        const char* typed;
        bool accepted;
        const char* shown;
    } cases[] = {
        {S::IdleSection, 0, "60000", false, "10"},   {S::IdleSection, 0, "12a", false, "10"},
        {S::IdleSection, 0, "59999", true, "59999"}, {S::ServerSection, 1, "1024", false, "8080"},
        {S::ServerSection, 1, "1025", true, "1025"}, {S::ServerSection, 1, "65535", true, "65535"},
        {S::AdminSection, 1, "3", false, "5"},       {S::AdminSection, 1, "40", true, "40"},
        {S::WindowSection, 9, "1000", false, "100"}, {S::WindowSection, 9, "250", true, "250"},
    };
    for (const auto& c : cases) {
        QLineEdit* field = editor->field(S::id(c.section, c.row));
        ASSERT_NE(field, nullptr) << c.typed;
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(editor->textFieldShouldEndEditing(S::id(c.section, c.row)), c.accepted) << c.typed;
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown)) << c.typed;
        EXPECT_EQ(test::toastTexts().isEmpty(), c.accepted) << c.typed;
        test::closeToasts();
    }
    close();
    const KVBrowserPrefSettings& p = settings().kvBrowPref;
    EXPECT_EQ(p.idleTimeout, 59999);
    EXPECT_EQ(p.port, 65535);
    EXPECT_EQ(p.numberTaps, 40);
    EXPECT_EQ(p.intZoom, 250);
    const QStringList logged = loggedEvents(QStringLiteral("Settings"));
    EXPECT_TRUE(logged.contains(QStringLiteral("IdleTimeout value changed: 59999")));
    EXPECT_TRUE(logged.contains(QStringLiteral("Server Port Changed: 65535")));
}

TEST_F(BrowserPreferencesTest, DependentSwitchesAndWhatLeavingStores)
{
    settings().kvBrowPref.useMultiTab = true;
    settings().kvBrowPref.allowResize = true;
    settings().kvBrowPref.allowDragDrop = true;
    settings().kvBrowPref.enableMenu = true;
    settings().kvBrowPref.enableToolBar = false;
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    // Tabbed browsing: resize and relocation are off and cannot be used.
    for (int row : {7, 8}) {
        ASSERT_NE(toggle(editor, S::AdminSection, row), nullptr);
        EXPECT_FALSE(toggle(editor, S::AdminSection, row)->isChecked());
        EXPECT_FALSE(toggle(editor, S::AdminSection, row)->isEnabled());
    }
    // Toolbar and menu exclude each other.
    toggle(editor, S::WindowSection, 2)->click();
    EXPECT_FALSE(toggle(editor, S::WindowSection, 0)->isChecked());
    toggle(editor, S::WindowSection, 0)->click();
    EXPECT_FALSE(toggle(editor, S::WindowSection, 2)->isChecked());
    // The minutes follow the restriction; the custom header its switch.
    EXPECT_FALSE(editor->field(S::id(S::AdminSection, 4))->isEnabled());
    toggle(editor, S::AdminSection, 3)->click();
    EXPECT_TRUE(editor->field(S::id(S::AdminSection, 4))->isEnabled());
    toggle(editor, S::AdminSection, 13)->click();
    EXPECT_TRUE(editor->field(S::id(S::AdminSection, 14))->isEnabled());
    editor->field(S::id(S::AdminSection, 14))->clear();
    close();

    const KVBrowserPrefSettings& p = settings().kvBrowPref;
    EXPECT_FALSE(p.allowResize);
    EXPECT_FALSE(p.allowDragDrop);
    EXPECT_TRUE(p.enableMenu);
    EXPECT_FALSE(p.enableToolBar);
    EXPECT_TRUE(p.restrictSettings);
    EXPECT_EQ(p.customUserAgentHeader, QStringLiteral("Korvel"));
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("Restrict Settings ON")));
    const QStringList logged = loggedEvents(QStringLiteral("Settings"));
    const qsizetype bounce = logged.lastIndexOf(QStringLiteral("WebView Bounce value changed: 1"));
    ASSERT_GE(bounce, 0);
    EXPECT_EQ(logged.value(bounce + 1), QStringLiteral("Restrict Setings Changed: 1"));
    EXPECT_EQ(logged.mid(logged.size() - 3),
              (QStringList{QStringLiteral("Upload Access Code set: No"), QStringLiteral("Renderer Memory Limit set: 0 MB"),
                           QStringLiteral("Restart Daily At set: never")}));
}

TEST_F(BrowserPreferencesTest, WeakPasswordIsAskedAboutAndStoredOnlyWhenAccepted)
{
    // Left by "Done" before it was answered, a weak password is not stored.
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    editor->field(S::id(S::AdminSection, 0))->setText(QStringLiteral("unasked"));
    close();
    EXPECT_NE(PasswordStore::checkPassword(QStringLiteral("unasked")), PasswordCheck::Matches);

    editor = open();
    QLineEdit* password = editor->field(S::id(S::AdminSection, 0));
    ASSERT_NE(password, nullptr);
    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("weak"));
    QTest::keyClick(password, Qt::Key_Return);
    Alert* question = Alert::visibleAlert();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->title(), QStringLiteral("Weak Password"));
    question->dismissWithButton(question->buttonIndex(QStringLiteral("No")));
    flushDeletes();
    EXPECT_EQ(password->window()->focusWidget(), password) << "back to the password";

    // Back asks again; "Yes" accepts it and leaves.
    question = editor->goBack();
    ASSERT_NE(question, nullptr);
    question->dismissWithButton(question->buttonIndex(QStringLiteral("Yes")));
    flushDeletes();
    EXPECT_EQ(stack->topScreen(), menu);
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("weak")), PasswordCheck::Matches);
    EXPECT_TRUE(loggedEvents(QStringLiteral("Settings")).contains(QStringLiteral("Password Changed")));

    // A strong one needs no question.
    editor = open();
    editor->field(S::id(S::AdminSection, 0))->setText(QStringLiteral("Str0ng!pw"));
    EXPECT_EQ(editor->passwordReturned(), nullptr);
    EXPECT_EQ(editor->goBack(), nullptr);
    flushDeletes();
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("Str0ng!pw")), PasswordCheck::Matches);
}

TEST_F(BrowserPreferencesTest, ServerSwitchActsAtOnce)
{
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    const auto detail = [&] { return editor->tableView()->cellWithId(S::id(S::ServerSection, 0))->detailLabel()->text(); };
    EXPECT_EQ(detail(), QStringLiteral("Server is OFF"));
    toggle(editor, S::ServerSection, 0)->click();
    EXPECT_TRUE(server.running);
    EXPECT_EQ(server.port, 8080);
    EXPECT_EQ(detail(), QStringLiteral("Running on URL: 192.168.1.20:8080"));
    EXPECT_FALSE(editor->field(S::id(S::ServerSection, 1))->isEnabled());
    EXPECT_TRUE(settings().kvBrowPref.serverSwitchOnOFF) << "stored before the editor goes";
    toggle(editor, S::ServerSection, 0)->click();
    EXPECT_FALSE(server.running);
    EXPECT_EQ(detail(), QStringLiteral("Server is OFF"));
    EXPECT_TRUE(editor->field(S::id(S::ServerSection, 1))->isEnabled());

    server.address = false;
    toggle(editor, S::ServerSection, 0)->click();
    EXPECT_EQ(detail(), QStringLiteral("Error running the server"));
    EXPECT_EQ(test::toastTexts(), QStringList{QStringLiteral("Local ip could not be retrieved. Please check your wifi settings.")});
    EXPECT_TRUE(toggle(editor, S::ServerSection, 0)->isChecked()) << "the switch stays on";
}

// A server switched on without a code warns, and one tap puts the cursor in the code's field; the
// code, like the HTTPS switch, is stored at once, for the running server to ask for it.
TEST_F(BrowserPreferencesTest, AnOpenServerWarnsAndOneTapLeadsToTheCode)
{
    KVBrowserPreferences* editor = open();
    ASSERT_NE(editor, nullptr);
    const int warningRow = S::id(S::ServerSection, 3);
    const int codeRow = S::id(S::ServerSection, 2);
    EXPECT_EQ(editor->tableView()->cellWithId(warningRow), nullptr) << "the server is off";
    toggle(editor, S::ServerSection, 0)->click();
    QCoreApplication::processEvents();
    TableCell* warning = editor->tableView()->cellWithId(warningRow);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->titleLabel()->text(), QStringLiteral("Anyone on this network can change the documents folder"));
    EXPECT_EQ(warning->detailLabel()->text(), QStringLiteral("Set access code"));
    EXPECT_NE(editor->tableView()->cellWithId(S::id(S::ServerSection, 4)), nullptr) << "the address for a phone";

    Q_EMIT editor->tableView()->rowSelected(S::ServerSection, 1, warningRow);
    QLineEdit* code = editor->field(codeRow);
    ASSERT_NE(code, nullptr);
    EXPECT_TRUE(code->hasFocus());
    QTest::keyClicks(code, QStringLiteral("4711"));
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_EQ(settings().kvBrowPref.uploadAccessCode, QStringLiteral("4711")) << "stored before the editor goes";
    QCoreApplication::processEvents();
    EXPECT_EQ(editor->tableView()->cellWithId(warningRow), nullptr);

    toggle(editor, S::ServerSection, 5)->click();
    EXPECT_TRUE(settings().kvBrowPref.uploadServerTLS);
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("Upload Access Code set: Yes")));
}

}  // namespace
}  // namespace korvel
