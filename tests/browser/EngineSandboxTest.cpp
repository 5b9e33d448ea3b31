#include "browser/EngineSandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using korvel::EngineSandbox;
using korvel::SandboxState;

namespace {

struct Process {
    qint64 pid;
    qint64 parent;
    const char* command;   // NUL-separated in cmdline; spaces here separate arguments
    const char* status;    // the status file's text
    const char* ns;        // "user:1 pid:2 net:3 mnt:4", links; absent kinds are unreadable
};

// A /proc of its own: stat, cmdline, status and ns/ links for each process.
void write(const QString& root, const Process& p)
{
    const QString dir = root + QLatin1Char('/') + QString::number(p.pid);
    ASSERT_TRUE(QDir().mkpath(dir + QStringLiteral("/ns")));
    QFile stat(dir + QStringLiteral("/stat"));
    ASSERT_TRUE(stat.open(QIODevice::WriteOnly));
    stat.write(QStringLiteral("%1 (Qt (Web) Engine) S %2 1 1 0").arg(p.pid).arg(p.parent).toLatin1());
    QFile cmdline(dir + QStringLiteral("/cmdline"));
    ASSERT_TRUE(cmdline.open(QIODevice::WriteOnly));
    cmdline.write(QByteArray(p.command).replace(' ', '\0') + '\0');
    QFile status(dir + QStringLiteral("/status"));
    ASSERT_TRUE(status.open(QIODevice::WriteOnly));
    status.write(p.status);
    for (const QString& link : QString::fromLatin1(p.ns).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString kind = link.section(QLatin1Char(':'), 0, 0);
        ASSERT_TRUE(QFile::link(kind + QStringLiteral(":[") + link.section(QLatin1Char(':'), 1) + QLatin1Char(']'),
                                dir + QStringLiteral("/ns/") + kind));
    }
}

const char* const browserNs = "user:1 pid:2 net:3 mnt:4";

}  // namespace

TEST(EngineSandbox, RenderersAreJudgedFromProc)
{
    const Process browser{100, 1, "korvel --home /k", "Seccomp:\t0\nNSpid:\t100\n", browserNs};
    const Process zygote{101, 100, "/usr/lib/qt6/libexec/QtWebEngineProcess --type=zygote", "Seccomp:\t0\nNSpid:\t101\n", browserNs};
    const struct {
        const char* name;
        QList<Process> renderers;
        QList<qint64> found;
        SandboxState state;
        QStringList own;  // of the first renderer
    } cases[] = {
        {"sandboxed: filter, own namespaces", {{102, 101, "QtWebEngineProcess --type=renderer --lang=en", "Seccomp:\t2\nNSpid:\t102\t2\n", "user:9 pid:8 net:7 mnt:4"}},
         {102}, SandboxState::On, {"user", "pid", "net"}},
        {"no sandbox: no filter, shared namespaces", {{102, 101, "QtWebEngineProcess --type=renderer --no-sandbox", "Seccomp:\t0\nNSpid:\t102\n", browserNs}},
         {102}, SandboxState::Off, {}},
        {"filter but shared network", {{102, 101, "QtWebEngineProcess --type=renderer", "Seccomp:\t2\n", "user:9 pid:8 net:3 mnt:4"}},
         {102}, SandboxState::Off, {"user", "pid"}},
        {"one of two unsandboxed",
         {{102, 101, "QtWebEngineProcess --type=renderer", "Seccomp:\t2\n", "user:9 pid:8 net:7 mnt:4"},
          {103, 101, "QtWebEngineProcess --type=renderer", "Seccomp:\t0\n", browserNs}},
         {102, 103}, SandboxState::Off, {"user", "pid", "net"}},
        {"links unreadable: nested PID namespace seen in NSpid, the network is not known",
         {{102, 101, "QtWebEngineProcess --type=renderer", "Seccomp:\t2\nNSpid:\t102\t3\n", ""}}, {102}, SandboxState::Off, {"pid"}},
        {"no renderer yet", {}, {}, SandboxState::NoRenderer, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir proc;
        ASSERT_TRUE(proc.isValid());
        write(proc.path(), browser);
        write(proc.path(), zygote);
        for (const Process& p : c.renderers)
            write(proc.path(), p);
        QList<qint64> pids;
        for (const Process& p : c.renderers)
            pids << p.pid;
        // A renderer that ended before it was looked at says nothing.
        const korvel::SandboxObservation o = EngineSandbox::observe(pids + QList<qint64>{555}, proc.path(), 100);
        QList<qint64> found;
        for (const auto& r : o.renderers)
            found << r.pid;
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(o.state, c.state) << qPrintable(o.describe());
        if (!o.renderers.isEmpty()) {
            EXPECT_EQ(o.renderers.first().ownNamespaces, c.own) << qPrintable(o.describe());
        }
    }
}

TEST(EngineSandbox, StartWarningsForRootAndASandboxTurnedOff)
{
    using Env = QMap<QString, QString>;
    const struct {
        uid_t user;
        QStringList arguments;
        Env environment;
        int warnings;
    } cases[] = {
        {1000, {"korvel"}, {}, 0},
        {1000, {"korvel"}, {{"QTWEBENGINE_CHROMIUM_FLAGS", "--enable-logging --disable-gpu"}}, 0},
        {0, {"korvel"}, {}, 1},
        // The engine reads the variable as set whatever its value.
        {1000, {"korvel"}, {{"QTWEBENGINE_DISABLE_SANDBOX", "0"}}, 1},
        {1000, {"korvel", "--no-sandbox"}, {}, 1},
        {1000, {"korvel"}, {{"QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --single-process"}}, 1},
        {0, {"korvel"}, {{"QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox"}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " uid " + std::to_string(c.user));
        EXPECT_EQ(EngineSandbox::startWarnings(c.user, c.arguments, c.environment).size(), c.warnings);
    }
}
