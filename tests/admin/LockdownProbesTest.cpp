#include "admin/LockdownFacts.h"
#include "admin/LockdownProbes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace korvel;

namespace {

// A kiosk set up as the package sets it up: its own user under cage, sandboxed renderers.
SessionFacts lockedDown()
{
    SessionFacts f;
    f.kioskUser = 999;
    f.sandbox.state = SandboxState::On;
    f.sandbox.renderers = {{42, 2, {QStringLiteral("user"), QStringLiteral("pid"), QStringLiteral("net")}, {}}};
    f.platform = QStringLiteral("xcb");
    f.underCage = true;
    f.vtSwitching = false;
    f.home = {QStringLiteral("/var/lib/korvel"), true, 999, 0750, true};
    f.programs = {{QStringLiteral("/usr/bin/korvel"), true, 0, 0755, false}};
    f.managed = {QStringLiteral("/etc/korvel/managed.plist"), true, 0, 0640, false};
    f.uploadServerOn = true;
    f.uploadAccessCode = true;
    return f;
}

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

TEST(LockdownProbes, EachWeaknessFailsItsOwnProbe)
{
    const struct {
        const char* probe;
        std::function<void(SessionFacts&)> weaken;
        ProbeResult expected;
    } cases[] = {
        {"user", [](SessionFacts& f) { f.kioskUser = 0; f.home.owner = 0; }, ProbeResult::Failed},
        {"sandbox", [](SessionFacts& f) { f.sandboxTurnedOff = true; }, ProbeResult::Failed},
        {"sandbox", [](SessionFacts& f) { f.sandbox.state = SandboxState::Off; }, ProbeResult::Failed},
        {"sandbox", [](SessionFacts& f) { f.sandbox = {}; }, ProbeResult::Warning},
        {"window manager", [](SessionFacts& f) { f.underCage = false; }, ProbeResult::Passed},  // a bare X server
        {"window manager", [](SessionFacts& f) { f.underCage = false; f.windowManager = QStringLiteral("Openbox"); }, ProbeResult::Failed},
        {"window manager", [](SessionFacts& f) { f.underCage = false; f.platform = QStringLiteral("wayland"); }, ProbeResult::Warning},
        {"X server on TCP", [](SessionFacts& f) { f.xTcpPorts = {6000}; }, ProbeResult::Failed},
        {"VT switching", [](SessionFacts& f) { f.vtSwitching = true; }, ProbeResult::Failed},
        {"VT switching", [](SessionFacts& f) { f.vtSwitching.reset(); }, ProbeResult::Passed},
        {"home", [](SessionFacts& f) { f.home.mode = 0777; }, ProbeResult::Failed},
        {"home", [](SessionFacts& f) { f.home.owner = 0; }, ProbeResult::Warning},
        {"programs", [](SessionFacts& f) { f.programs.first().writableByKiosk = true; }, ProbeResult::Failed},
        {"managed file", [](SessionFacts& f) { f.managed.owner = 999; }, ProbeResult::Failed},
        {"managed file", [](SessionFacts& f) { f.managed.mode = 0666; }, ProbeResult::Failed},
        {"managed file", [](SessionFacts& f) { f.managed.exists = false; }, ProbeResult::Passed},
        {"factory password", [](SessionFacts& f) { f.factoryPassword = true; }, ProbeResult::Failed},
        {"upload server", [](SessionFacts& f) { f.uploadAccessCode = false; }, ProbeResult::Failed},
        {"upload server", [](SessionFacts& f) { f.uploadServerOn = false; f.uploadAccessCode = false; }, ProbeResult::Passed},
        {"control API", [](SessionFacts& f) { f.controlSocketPrivate = false; }, ProbeResult::Failed},
        {"engine hardening", [](SessionFacts& f) { f.hardening.disableJIT = false; }, ProbeResult::Warning},
    };
    const QList<ProbeOutcome> clean = LockdownProbes::evaluate(lockedDown());
    for (const ProbeOutcome& o : clean)
        EXPECT_EQ(o.result, ProbeResult::Passed) << qPrintable(o.name + QStringLiteral(": ") + o.advice);
    EXPECT_EQ(LockdownProbes::exitStatus(clean), 0);
    for (const auto& c : cases) {
        SessionFacts f = lockedDown();
        c.weaken(f);
        const QList<ProbeOutcome> outcomes = LockdownProbes::evaluate(f);
        for (const ProbeOutcome& o : outcomes) {
            SCOPED_TRACE(o.name.toStdString());
            const bool target = o.name == QLatin1String(c.probe);
            EXPECT_EQ(o.result, target ? c.expected : ProbeResult::Passed) << qPrintable(o.advice);
            if (target) {
                EXPECT_EQ(o.advice.isEmpty(), c.expected == ProbeResult::Passed);
            }
        }
        const int status = c.expected == ProbeResult::Failed ? 2 : c.expected == ProbeResult::Warning ? 1 : 0;
        EXPECT_EQ(LockdownProbes::exitStatus(outcomes), status) << c.probe;
        EXPECT_EQ(LockdownProbes::exitStatus(LockdownProbes::toJson(f, outcomes)), status) << c.probe;
    }
    EXPECT_EQ(LockdownProbes::exitStatus(QJsonObject{}), 2) << "a report without probes checked nothing";
}

TEST(LockdownFacts, XServersOnTcpAndTerminalSwitchingFromProc)
{
    QTemporaryDir proc;
    ASSERT_TRUE(proc.isValid());
    // Listening (0A) on 6000 and, over IPv6, 6001; an established connection to 6002 is no server.
    writeFile(proc.path() + QStringLiteral("/net/tcp"),
              "  sl  local_address rem_address   st\n"
              "   0: 00000000:1770 00000000:0000 0A 00000000:00000000\n"
              "   1: 0100007F:1772 0100007F:9C40 01 00000000:00000000\n"
              "   2: 00000000:0016 00000000:0000 0A 00000000:00000000\n");
    writeFile(proc.path() + QStringLiteral("/net/tcp6"),
              "  sl  local_address rem_address   st\n"
              "   0: 00000000000000000000000000000000:1771 00000000000000000000000000000000:0000 0A 0\n");
    EXPECT_EQ(LockdownFacts::xTcpPorts(proc.path() + QStringLiteral("/net")), (QList<int>{6000, 6001}));

    const struct {
        const char* name;
        const char* displayServer;  // its command line, arguments separated by spaces
        std::optional<bool> switching;
        bool underCage;
    } cases[] = {
        {"cage refuses by default", "cage -d -- korvel", false, true},
        {"cage -s allows", "/usr/bin/cage -s -- korvel", true, true},
        {"Xorg allows", "/usr/lib/xorg/Xorg :0 vt7", true, false},
        {"Xorg -novtswitch refuses", "/usr/lib/xorg/Xorg :0 -novtswitch", false, false},
        {"Xvfb has no terminal", "Xvfb :5", std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        writeFile(root.path() + QStringLiteral("/10/stat"), "10 (server) S 1 1");
        writeFile(root.path() + QStringLiteral("/10/cmdline"), QByteArray(c.displayServer).replace(' ', '\0'));
        writeFile(root.path() + QStringLiteral("/20/stat"), "20 (korvel) S 10 1");
        writeFile(root.path() + QStringLiteral("/20/cmdline"), "korvel");
        bool underCage = false;
        EXPECT_EQ(LockdownFacts::vtSwitching(root.path(), 20, &underCage), c.switching);
        EXPECT_EQ(underCage, c.underCage);
    }
}
