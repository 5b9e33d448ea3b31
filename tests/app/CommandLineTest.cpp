#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

using Request = CommandLine::Request;

TEST(CommandLine, KnowsItsOwnAndTheToolkitsOptionsAndNothingElse)
{
    const struct {
        std::initializer_list<const char*> arguments;
        Request request;
        const char* problem;
    } cases[] = {
        {{}, Request::Run, ""},
        {{"--home", "/var/lib/korvel", "--rotate=left", "--no-journal", "--virtual-keyboard=off"}, Request::Run, ""},
        {{"--cloud-service", "https://cloud.test/", "korvel:https://a.test/"}, Request::Run, ""},
        {{"-platform", "xcb", "--style=fusion", "-reverse"}, Request::Run, ""},
        {{"--home", "/x", "--help"}, Request::Help, ""},
        {{"--version", "--help"}, Request::Help, ""},
        {{"-v"}, Request::Version, ""},
        {{"--hoem", "/x"}, Request::Refuse, "unknown option \"--hoem\""},
        {{"--remote-debugging-port=9222"}, Request::Refuse, "unknown option \"--remote-debugging-port=9222\""},
        {{"--no-journal=yes"}, Request::Refuse, "unknown option"},
        {{"--virtual-keyboard", "on"}, Request::Refuse, "unknown option \"--virtual-keyboard\""},
        {{"--home"}, Request::Refuse, "--home needs a value"},
        {{"https://a.test/"}, Request::Refuse, "unexpected argument \"https://a.test/\""},
        // A refusal wins over a request for help: the line has a mistake to be told about.
        {{"--help", "--bogus"}, Request::Refuse, "unknown option \"--bogus\""},
    };
    for (const auto& c : cases) {
        QStringList arguments{QStringLiteral("korvel")};
        for (const char* a : c.arguments)
            arguments << QString::fromUtf8(a);
        const CommandLine line = CommandLine::parse(arguments);
        EXPECT_EQ(line.request, c.request) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(line.problem.contains(QString::fromUtf8(c.problem))) << qPrintable(arguments.join(' ')) << ": " << qPrintable(line.problem);
    }
}

// The three programs answer --help and --version without a display or a home, and refuse an option
// they do not know with exit status 2 and a message.
TEST(CommandLine, EveryProgramAnswersHelpAndVersionAndRefusesUnknownOptions)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(display));
    env.insert(QStringLiteral("KORVEL_HOME"), home);
    const struct {
        const char* program;
        const char* arguments;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"korvel", "--help", 0, "Usage: korvel [OPTIONS]", ""},
        {"korvel", "--version", 0, "korvel 1.0.0 (build 1)\nQt WebEngine ", ""},
        {"korvel", "--kiosk-mode", 2, "", "korvel: unknown option \"--kiosk-mode\"; see korvel --help\n"},
        {"korvelctl", "--help", 0, "Usage: korvelctl", ""},
        {"korvelctl", "--version", 0, "korvelctl 1.0.0 (build 1)\n", ""},
        {"korvelctl", "--verbose", 2, "", "korvelctl: unknown option \"--verbose\""},
        {"korvel-cloud", "--help", 0, "Usage: korvel-cloud", ""},
        {"korvel-cloud", "--version", 0, "korvel-cloud 1.0.0 (build 1)\n", ""},
        {"korvel-cloud", "--port", 2, "", "korvel-cloud: bad argument \"--port\""},
    };
    for (const auto& c : cases) {
        const QString command = QString::fromUtf8(c.program) + QLatin1Char(' ') + QString::fromUtf8(c.arguments);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(c.program), {QString::fromUtf8(c.arguments)});
        ASSERT_TRUE(p.waitForFinished(20000)) << qPrintable(command);
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << qPrintable(command);
        EXPECT_EQ(p.exitCode(), c.status) << qPrintable(command);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(QString::fromUtf8(c.out).isEmpty() ? out.isEmpty() : out.startsWith(QString::fromUtf8(c.out))) << qPrintable(command) << ": " << qPrintable(out);
        EXPECT_TRUE(QString::fromUtf8(c.err).isEmpty() ? err.isEmpty() : err.startsWith(QString::fromUtf8(c.err))) << qPrintable(command) << ": " << qPrintable(err);
    }
    EXPECT_FALSE(QDir(home).exists()) << "answering touched the home";
}

}  // namespace
}  // namespace korvel
