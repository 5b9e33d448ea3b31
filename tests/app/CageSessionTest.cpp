// The kiosk session as its unit starts it (packaging/korvel-session: cage, its Xwayland, korvel) on
// cage's headless output, unturned and turned: what the output shows, captured with grim, is what
// the kiosk's window holds, over the whole output and after the page has loaded.
#include "tests/support/WebTestServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace {

const QRgb pageColour = qRgb(0x2a, 0x7f, 0xd4);
const QByteArray page = QByteArrayLiteral(
    "<html><head><title>Start</title><style>html,body{margin:0;height:100%;background:#2a7fd4}</style></head>"
    "<body><p style='color:#fff;margin:0;padding:20px;font-size:40px'>Start</p></body></html>");

struct Orientation {
    const char* name;
    const char* rotate;  // KORVEL_ROTATE
    QSize output;        // the output as grim sees it
};

void PrintTo(const Orientation& o, std::ostream* out)
{
    *out << o.name;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs, int stepMs = 100)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(stepMs);
    }
    return true;
}

// Share of pixels whose colour differs by more than a rounding's worth in any channel.
double differingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (std::abs(qRed(la[x]) - qRed(lb[x])) > 8 || std::abs(qGreen(la[x]) - qGreen(lb[x])) > 8
                || std::abs(qBlue(la[x]) - qBlue(lb[x])) > 8)
                ++differing;
        }
    }
    return double(differing) / (double(a.width()) * a.height());
}

double pageShare(const QImage& image)
{
    if (image.isNull())
        return 0;
    qint64 inPage = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            inPage += (line[x] & 0xffffff) == (pageColour & 0xffffff);
    }
    return double(inPage) / (double(image.width()) * image.height());
}

class CageSessionTest : public ::testing::TestWithParam<Orientation> {
protected:
    void SetUp() override
    {
        for (const char* tool : {"cage", "grim", "Xwayland", "xdotool", "import"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (scripts/install-deps installs it)";
        }
        // cage refuses to run as root: as root the session runs as nobody, as the unit runs it as korvel.
        if (geteuid() == 0) {
            const passwd* nobody = getpwnam("nobody");
            if (!nobody)
                GTEST_SKIP() << "running as root, and there is no user \"nobody\" to run the compositor as";
            m_uid = nobody->pw_uid;
            m_gid = nobody->pw_gid;
            m_asUser = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(m_uid), QStringLiteral("--regid=%1").arg(m_gid),
                        QStringLiteral("--clear-groups"), QStringLiteral("--")};
        }
        // The compositor's X server makes its socket folder when it is missing, owned by whoever runs
        // it, and no other user's X server could use it after that: made here as a system has it.
        if (geteuid() == 0 && !QFileInfo::exists(QStringLiteral("/tmp/.X11-unix"))) {
            ASSERT_EQ(::mkdir("/tmp/.X11-unix", 01777), 0);
            ASSERT_EQ(::chmod("/tmp/.X11-unix", 01777), 0);
        }
        ASSERT_TRUE(m_dir.isValid());
        m_home = m_dir.filePath(QStringLiteral("home"));
        m_runtime = m_dir.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkpath(m_home) && QDir().mkpath(m_runtime));
        ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(m_runtime).constData(), 0700), 0);
        if (geteuid() == 0) {
            for (const QString& owned : {m_home, m_runtime})
                ASSERT_EQ(::chown(QFile::encodeName(owned).constData(), m_uid, m_gid), 0);
        }
    }

    void TearDown() override { stop(); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString bin = QCoreApplication::applicationDirPath();
        env.insert(QStringLiteral("PATH"), bin + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        env.insert(QStringLiteral("HOME"), m_home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home + QStringLiteral("/xdg-data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home + QStringLiteral("/xdg-config"));
        env.insert(QStringLiteral("KORVEL_HOME"), m_home);
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        for (const char* inherited : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KORVEL_RUNTIME_DIR", "WATCHDOG_USEC", "NOTIFY_SOCKET"})
            env.remove(QLatin1String(inherited));
        return env;
    }

    // Runs a program as the session's user with the session's environment (plus `extra`); its
    // standard output, or a null array when it failed.
    QByteArray run(const QString& program, const QStringList& arguments, const QMap<QString, QString>& extra = {}) const
    {
        QProcess p;
        QProcessEnvironment env = environment();
        for (auto it = extra.begin(); it != extra.end(); ++it)
            env.insert(it.key(), it.value());
        p.setProcessEnvironment(env);
        const QStringList command = m_asUser + QStringList{program} + arguments;
        p.start(command.first(), command.mid(1));
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return {};
        const QByteArray out = p.readAllStandardOutput();
        return out.isNull() ? QByteArray("") : out;
    }

    void start(const char* rotate)
    {
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("KORVEL_ROTATE"), QLatin1String(rotate));
        m_session.setProcessEnvironment(env);
        m_session.setProcessChannelMode(QProcess::MergedChannels);
        m_session.setStandardOutputFile(m_dir.filePath(QStringLiteral("session.out")));
        const QStringList command =
            m_asUser + QStringList{QStringLiteral("sh"), QStringLiteral(KORVEL_SOURCE_DIR "/packaging/korvel-session"), QStringLiteral("--home"), m_home};
        m_session.start(command.first(), command.mid(1));
        ASSERT_TRUE(m_session.waitForStarted(5000));
    }

    void stop()
    {
        if (m_session.state() == QProcess::NotRunning)
            return;
        m_session.terminate();
        if (!m_session.waitForFinished(10000)) {
            m_session.kill();
            m_session.waitForFinished(5000);
        }
    }

    // The X display korvel draws on: cage gives it to its child, korvel (setpriv and the session
    // script hand their process over with exec, so the session's process is cage itself).
    QString korvelDisplay() const
    {
        const QString cage = QString::number(m_session.processId());
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(cage));
        if (!children.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& pid : children.readAll().split(' ')) {
            QFile environ(QStringLiteral("/proc/%1/environ").arg(QString::fromLatin1(pid.trimmed())));
            if (pid.trimmed().isEmpty() || !environ.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray& entry : environ.readAll().split('\0')) {
                if (entry.startsWith("DISPLAY="))
                    return QString::fromLatin1(entry.mid(8));
            }
        }
        return {};
    }

    QImage outputPicture() const
    {
        return QImage::fromData(run(QStringLiteral("grim"), {QStringLiteral("-")}), "PNG").convertToFormat(QImage::Format_RGB32);
    }

    QImage windowPicture(const QString& display) const
    {
        const QMap<QString, QString> onDisplay{{QStringLiteral("DISPLAY"), display}};
        const QByteArray ids = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                                               QStringLiteral("^Korvel$")},
                                   onDisplay);
        const QString id = QString::fromLatin1(ids.split('\n').first().trimmed());
        if (id.isEmpty())
            return {};
        return QImage::fromData(run(QStringLiteral("import"), {QStringLiteral("-window"), id, QStringLiteral("png:-")}, onDisplay), "PNG")
            .convertToFormat(QImage::Format_RGB32);
    }

    QString printed() const
    {
        QFile out(m_dir.filePath(QStringLiteral("session.out")));
        return out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll().right(3000)) : QString();
    }

    QTemporaryDir m_dir;
    QString m_home;
    QString m_runtime;
    QStringList m_asUser;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    QProcess m_session;
};

TEST_P(CageSessionTest, TheOutputShowsWhatTheKioskWindowHolds)
{
    const Orientation& orientation = GetParam();
    korvel::test::WebTestServer& server = korvel::test::WebTestServer::shared();
    server.setPage(QStringLiteral("/"), page);
    server.clearRequests();
    ASSERT_FALSE(run(QCoreApplication::applicationDirPath() + QStringLiteral("/korvelctl"),
                     {QStringLiteral("sites"), QStringLiteral("add"), server.url(QStringLiteral("127.0.0.1")), QStringLiteral("--title"),
                      QStringLiteral("Start"), QStringLiteral("--startup")})
                     .isNull());
    start(orientation.rotate);
    ASSERT_TRUE(waitUntil([&] { return !server.requests().isEmpty() || m_session.waitForFinished(0); }, 60000)
                && !server.requests().isEmpty())
        << "the start website was never asked for; the session printed:\n"
        << qPrintable(printed());
    const QString display = korvelDisplay();
    ASSERT_FALSE(display.isEmpty()) << "korvel is not running under cage; the session printed:\n" << qPrintable(printed());

    // Once the page is on the kiosk's window, the output must show the same picture.
    QImage window;
    ASSERT_TRUE(waitUntil([&] { return pageShare(window = windowPicture(display)) > 0.5; }, 30000, 250))
        << "the page never filled the kiosk's window; the session printed:\n"
        << qPrintable(printed());
    EXPECT_EQ(window.size(), orientation.output);
    QImage output;
    const bool same = waitUntil([&] { return differingShare(output = outputPicture(), window) < 0.01; }, 10000, 500);
    EXPECT_TRUE(same) << "the output (" << output.width() << "x" << output.height() << ", "
                      << int(100 * pageShare(output)) << "% page) differs from the window (" << window.width() << "x"
                      << window.height() << ", " << int(100 * pageShare(window)) << "% page) in "
                      << int(100 * differingShare(output, window)) << "% of its pixels";
    if (!same && qEnvironmentVariableIsSet("KORVEL_TEST_PICTURES")) {
        output.save(qEnvironmentVariable("KORVEL_TEST_PICTURES") + QStringLiteral("/output-%1.png").arg(QLatin1String(orientation.rotate)));
        window.save(qEnvironmentVariable("KORVEL_TEST_PICTURES") + QStringLiteral("/window-%1.png").arg(QLatin1String(orientation.rotate)));
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, CageSessionTest,
                         ::testing::Values(Orientation{"Unturned", "normal", QSize(1280, 720)},
                                           Orientation{"TurnedLeft", "left", QSize(720, 1280)}),
                         [](const ::testing::TestParamInfo<Orientation>& info) { return std::string(info.param.name); });

}  // namespace
