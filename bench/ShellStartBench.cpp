// Time from process start to the kiosk's home screen painted with 50 allowed websites, against a
// bare QWebEngineView process painting a local page, each started afresh as a child process.
// Target: Korvel / bare at most 1.2 (medians).
//
// Run: build/bin/bench_shell_start [rounds]
// (the program starts itself with "korvel HOME" or "bare URL" for the measured children)
#include "app/KVAppDelegate.h"
#include "app/UnixSignalWatcher.h"
#include "app/ui/KVApplication.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KorvelShell.h"
#include "app/ui/SingleInstance.h"
#include "bench/PageServer.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KorvelWebEngine.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace korvel;
using namespace korvel::bench;

constexpr int websiteCount = 50;
constexpr int timeoutMs = 60000;


// Same engine command line for both children; the kiosk child sanitises it as the program does.
void setEngineEnvironment()
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QByteArrayLiteral("--no-sandbox --disable-gpu --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND\""));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Polls every 2 ms from the event loop and reports once; the parent stops its clock on the line.
void reportWhen(const std::function<bool()>& painted, const QElapsedTimer& sinceMain)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, painted, &sinceMain] {
        if (!painted())
            return;
        poll->stop();
        std::printf("painted %.1f\n", sinceMain.nsecsElapsed() / 1e6);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    poll->start(2);
    QTimer::singleShot(timeoutMs, qApp, [] {
        std::fprintf(stderr, "child: nothing painted within %d s\n", timeoutMs / 1000);
        QCoreApplication::exit(1);
    });
}

// The home screen counts as painted when the window's frame shows, inside the first icon's area,
// a pixel unlike the grid's background next to it.
bool homePainted(KorvelShell& shell)
{
    auto* home = qobject_cast<KVHomePageViewController*>(shell.window().navigationStack()->topScreen());
    if (!home || !home->isVisible() || home->cells().isEmpty())
        return false;
    HomeIconCell* cell = home->cells().first();
    if (!cell->isVisible())
        return false;
    const QImage frame = shell.window().grab().toImage();
    if (frame.isNull())
        return false;
    const QRect area(cell->mapTo(&shell.window(), QPoint(0, 0)), cell->size());
    // Just outside the cell's corner is grid background (the grid keeps a margin round its cells).
    const QPoint outside = area.topLeft() - QPoint(2, 2);
    if (!frame.rect().contains(outside))
        return false;
    const QRgb background = frame.pixel(outside);
    const QRect inFrame = area.intersected(frame.rect());
    for (int y = inFrame.top(); y <= inFrame.bottom(); ++y) {
        for (int x = inFrame.left(); x <= inFrame.right(); ++x) {
            if (frame.pixel(x, y) != background)
                return true;
        }
    }
    return false;
}

// The program's own start (as main() does it), with the home screen reported once painted.
int runKorvel(int argc, char** argv, const QElapsedTimer& sinceMain)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Paths::configureFromArguments(arguments);
    setEngineEnvironment();

    KorvelWebEngine::registerSchemes();
    ArgumentVector kept(KorvelWebEngine::prepareEnvironment(arguments));

    KVApplication application(kept.argc(), kept.argv());
    SingleInstance instance(Paths::home());
    if (instance.sendToRunning(QStringLiteral("korvel:"))) {
        std::fprintf(stderr, "child: a previous kiosk is still running\n");
        return 1;
    }
    instance.listen();
    UnixSignalWatcher signals({SIGTERM, SIGINT});
    QObject::connect(&signals, &UnixSignalWatcher::received, &application, [] { QCoreApplication::exit(0); });

    KorvelShell shell;
    shell.show();
    reportWhen([&shell] { return homePainted(shell); }, sinceMain);
    return application.exec();
}

int runBare(int argc, char** argv, const QString& address, const QElapsedTimer& sinceMain)
{
    setEngineEnvironment();
    QApplication application(argc, argv);
    // The view inside a host window, as the browser bench holds it.
    QWidget host;
    host.setLayout(new QVBoxLayout);
    host.layout()->setContentsMargins(0, 0, 0, 0);
    auto* view = new QWebEngineView(&host);
    host.layout()->addWidget(view);
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded](bool ok) { loaded = ok; });
    // Maximised like the kiosk window, so both paint the same area; the offscreen platform leaves a
    // maximised window at its own size, so it is given the screen's first.
    host.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    host.showMaximized();
    view->load(QUrl(address));
    reportWhen(
        [&] {
            if (!loaded)
                return false;
            const QImage frame = view->grab().toImage();
            return !frame.isNull() && frame.pixelColor(frame.width() / 2, frame.height() / 2) == pageColour;
        },
        sinceMain);
    return application.exec();
}

// The websites a configured kiosk starts with, saved where the child will read them.
void prepareHome(const QString& home, const QString& managed)
{
    Paths::setHome(home);
    Paths::setManagedConfigurationFile(managed);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.allowedWebsites.clear();
    for (int i = 0; i < websiteCount; ++i) {
        allowedWebsite site;
        site.url = QStringLiteral("http://site%1.test/").arg(i + 1);
        site.title = QStringLiteral("Website %1").arg(i + 1);
        site.allowedWebsiteId = i + 1;
        settings.allowedWebsites.append(site);
    }
    if (!settings.save())
        std::fprintf(stderr, "the settings could not be saved\n");
    // Nothing of this process's reading is kept; the child reads the file afresh.
    KVSettings::resetSettingsObject();
    UserDefaults::resetStandard();
}

struct Child {
    double ms = 0;       // QProcess::start to the "painted" line
    double innerMs = 0;  // the child's main() to painted
};

bool runChild(const QStringList& arguments, const QProcessEnvironment& environment, Child* result)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray output;
    bool painted = false;
    while (!painted && timer.elapsed() < timeoutMs) {
        if (!child.waitForReadyRead(timeoutMs) && child.state() == QProcess::NotRunning)
            break;
        output += child.readAllStandardOutput();
        painted = output.contains("painted ") && output.indexOf('\n', output.indexOf("painted ")) >= 0;
        if (painted)
            result->ms = timer.nsecsElapsed() / 1e6;
    }
    if (painted) {
        const int at = output.indexOf("painted ") + 8;
        result->innerMs = output.mid(at, output.indexOf('\n', at) - at).trimmed().toDouble();
    }
    // The child leaves by itself once painted; the next one starts only after it and its engine went.
    if (!child.waitForFinished(15000)) {
        child.terminate();
        if (!child.waitForFinished(5000))
            child.kill();
        child.waitForFinished(5000);
    }
    return painted;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 2 && qstrcmp(argv[1], "korvel") == 0)
        return runKorvel(argc, argv, sinceMain);
    if (argc > 2 && qstrcmp(argv[1], "bare") == 0)
        return runBare(argc, argv, QString::fromLocal8Bit(argv[2]), sinceMain);

    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QCoreApplication application(argc, argv);
    PageServer server;

    QTemporaryDir home;
    const QString managed = home.path() + QStringLiteral("/managed/managed.plist");
    prepareHome(home.path(), managed);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KORVEL_MANAGED_CONFIG"), managed);
    environment.remove(QStringLiteral("KORVEL_HOME"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList korvelArguments{QStringLiteral("korvel"), QStringLiteral("--home"), home.path()};
    const QStringList bareArguments{QStringLiteral("bare"), server.url()};

    // The first start of each writes its files and profile and warms the disk cache; a kiosk
    // restarts on a home that already has them.
    Child warm;
    if (!runChild(korvelArguments, environment, &warm) || !runChild(bareArguments, environment, &warm)) {
        std::fprintf(stderr, "warm-up: a child did not paint within %d s\n", timeoutMs / 1000);
        return 1;
    }

    std::vector<double> korvelMs, bareMs, korvelInner, bareInner;
    for (int i = 0; i < rounds; ++i) {
        // Alternating which goes first keeps either from always following the other's teardown.
        Child k, b;
        const bool korvelFirst = i % 2 == 0;
        const bool ok = korvelFirst ? runChild(korvelArguments, environment, &k) && runChild(bareArguments, environment, &b)
                                    : runChild(bareArguments, environment, &b) && runChild(korvelArguments, environment, &k);
        if (!ok) {
            std::fprintf(stderr, "round %d: a child did not paint within %d s\n", i + 1, timeoutMs / 1000);
            return 1;
        }
        std::printf("round %2d  korvel %7.1f ms (main to painted %7.1f)  bare %7.1f ms (main to painted %7.1f)  %s first\n",
                    i + 1, k.ms, k.innerMs, b.ms, b.innerMs, korvelFirst ? "korvel" : "bare");
        std::fflush(stdout);
        korvelMs.push_back(k.ms);
        bareMs.push_back(b.ms);
        korvelInner.push_back(k.innerMs);
        bareInner.push_back(b.innerMs);
    }

    const double k = median(korvelMs), b = median(bareMs);
    const double ki = median(korvelInner), bi = median(bareInner);
    std::printf("\nMedians of %d rounds (home screen with %d websites; bare page %s)\n", rounds, websiteCount,
                qPrintable(server.url()));
    std::printf("%-36s %10s %10s %12s\n", "", "korvel", "bare", "korvel-bare");
    std::printf("%-36s %10.1f %10.1f %12.1f\n", "process start to painted (ms)", k, b, k - b);
    std::printf("%-36s %10.1f %10.1f %12.1f\n", "main() to painted (ms)", ki, bi, ki - bi);
    const double ratio = k / b;
    std::printf("\nratio korvel / bare: %.2f (target <= 1.20): %s\n", ratio, ratio <= 1.2 ? "met" : "NOT met");
    return 0;
}
