// korvelctl against a running kiosk: its edits are made by the kiosk, through the operations the
// screens use, so neither overwrites the other and what depends on the settings follows at once.
#include "admin/MenuEntries.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "app/KVAppDelegate.h"
#include "files/KVServerStarter.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/WindowTest.h"

#include <QLineEdit>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

namespace korvel {
namespace {

struct CtlRun {
    int status = -1;
    QString out;
    QString err;
};

class ControlSocketTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeStack(new Screen);
        server = std::make_unique<KVServerStarter>(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                                                   Paths::resourceFile(QStringLiteral("korvel_error.html")));
        delegate = std::make_unique<KVAppDelegate>();
        delegate->kvServer = server.get();
        delegate->didFinishLaunching();
        ASSERT_TRUE(delegate->listenForControl());
        menu = new KVMainMenuViewController;
        stack->push(menu, NavigationStack::Animation::None);
    }
    void TearDown() override
    {
        delegate.reset();
        server.reset();
        WindowTest::TearDown();
    }

    // korvelctl, started while this test's event loop goes on answering for the kiosk.
    QProcess* start(const QStringList& arguments, const QByteArray& input = {})
    {
        auto* process = new QProcess(window.get());
        process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvelctl"),
                       QStringList{QStringLiteral("--home"), home()} + arguments);
        process->write(input);
        process->closeWriteChannel();
        return process;
    }
    static CtlRun finish(QProcess* process)
    {
        CtlRun run;
        if (test::processEventsUntil([process] { return process->state() == QProcess::NotRunning; }, 30000)
            && process->exitStatus() == QProcess::NormalExit) {
            run.status = process->exitCode();
            run.out = QString::fromUtf8(process->readAllStandardOutput());
            run.err = QString::fromUtf8(process->readAllStandardError());
        }
        process->deleteLater();
        return run;
    }
    CtlRun ctl(const QStringList& arguments) { return finish(start(arguments)); }

    KVBrowserPreferences* openPreferences()
    {
        menu->didSelectMenuId(BrowserPreferencesMenu);
        return qobject_cast<KVBrowserPreferences*>(stack->topScreen());
    }
    void closeScreen()
    {
        stack->pop(NavigationStack::Animation::None);
        flushDeletes();
    }

    // The status line of a GET of `path` on the upload server, with the access code when given.
    static QByteArray statusOf(int port, const char* path, const QByteArray& code = {})
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
        if (!socket.waitForConnected(5000))
            return "no connection";
        QByteArray request = "GET " + QByteArray(path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n";
        if (!code.isEmpty())
            request += "X-Access-Code: " + code + "\r\n";
        socket.write(request + "\r\n");
        socket.waitForBytesWritten(5000);
        while (!socket.canReadLine() && socket.waitForReadyRead(5000)) {
        }
        return socket.readLine().trimmed();
    }

    std::unique_ptr<KVServerStarter> server;
    std::unique_ptr<KVAppDelegate> delegate;
    KVMainMenuViewController* menu = nullptr;
};

// An edit made with korvelctl is made by the kiosk: the upload server takes a new port and access
// code at once, and an import that turns the server off stops it (it went on serving).
TEST_F(ControlSocketTest, KorvelctlEditsReachTheRunningKiosk)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();

    const CtlRun set = ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("Port"), QString::number(port)});
    ASSERT_EQ(set.status, 0) << qPrintable(set.err);
    EXPECT_TRUE(set.err.contains(QStringLiteral("performed by the Korvel running on"))) << qPrintable(set.err);
    EXPECT_EQ(settings().kvBrowPref.port, port);
    const QStringList logged = loggedEvents(QStringLiteral("Settings"));
    EXPECT_TRUE(logged.contains(QStringLiteral("Command from korvelctl: pref.set")));
    EXPECT_TRUE(logged.contains(QStringLiteral("Preference Port changed by korvelctl: 8080 -> %1").arg(port))) << qPrintable(logged.join('\n'));
    ASSERT_EQ(ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("ServerSwitch"), QStringLiteral("true")}).status, 0);
    ASSERT_TRUE(server->isServerRunning());
    EXPECT_EQ(server->getPortNumber(), port);
    ASSERT_EQ(ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("UploadAccessCode"), QStringLiteral("4711")}).status, 0);
    EXPECT_TRUE(statusOf(port, "/list").contains(" 401 "));
    EXPECT_FALSE(statusOf(port, "/list", "4711").contains(" 401 "));

    ASSERT_TRUE(placeDocument(QStringLiteral("off.plist"), PropertyList::toXml(QVariantMap{{QStringLiteral("BrowserPreferences"),
                                                                                             QVariantMap{{QStringLiteral("ServerSwitch"), false}}}})));
    const CtlRun import = ctl({QStringLiteral("import"), QStringLiteral("off.plist")});
    ASSERT_EQ(import.status, 0) << qPrintable(import.err);
    EXPECT_FALSE(settings().kvBrowPref.serverSwitchOnOFF);
    EXPECT_FALSE(server->isServerRunning());
    EXPECT_TRUE(loggedEvents(QStringLiteral("Settings")).contains(QStringLiteral("Preference ServerSwitch changed by import: true -> false")));
}

// 100 korvelctl edits interleaved with edits on the settings screen of the running kiosk: every one
// of them is there afterwards, in the kiosk and in the store it left on disk.
TEST_F(ControlSocketTest, InterleavedKorvelctlAndScreenEditsAreAllKept)
{
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE(i);
        QProcess* edit = start(i % 2 == 0 ? QStringList{QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("https://site%1.test").arg(i)}
                                          : QStringList{QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("Zoom"), QString::number(100 + i)});
        KVBrowserPreferences* editor = openPreferences();
        ASSERT_NE(editor, nullptr);
        QLineEdit* idle = editor->field(KVBrowserPreferences::id(KVBrowserPreferences::IdleSection, 0));
        ASSERT_NE(idle, nullptr);
        idle->setText(QString::number(100 + i));
        // The command lands while the editor is open, or after the administrator left it.
        if (i % 3 == 0) {
            closeScreen();
            ASSERT_EQ(finish(edit).status, 0);
        } else {
            ASSERT_EQ(finish(edit).status, 0);
            closeScreen();
        }
    }
    const auto check = [](const char* where) {
        SCOPED_TRACE(where);
        const KVSettings& s = KVSettings::getSettingsObject();
        QStringList expected;
        for (int i = 0; i < 100; i += 2)
            expected << QStringLiteral("https://site%1.test").arg(i);
        QStringList urls;
        for (const allowedWebsite& site : s.allowedWebsites)
            urls << site.url;
        EXPECT_EQ(urls, expected);
        EXPECT_EQ(s.kvBrowPref.intZoom, 199);
        EXPECT_EQ(s.kvBrowPref.idleTimeout, 199);
    };
    check("in the kiosk");
    EXPECT_TRUE(loggedEvents(QStringLiteral("Settings")).contains(QStringLiteral("Preference IdleTimeout changed by screen: 198 -> 199")));
    restart();
    check("on disk");
}

}  // namespace
}  // namespace korvel
