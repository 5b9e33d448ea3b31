// Time from opening a browser window for an allowed website to its page on screen, against a bare
// QWebEngineView loading the same page in the same run, and the memory each holds once its page is
// painted. Target: Korvel / bare at most 1.2 (medians).
//
// Run: QT_QPA_PLATFORM=offscreen build/bin/bench_browser_start [rounds]
#include "bench/PageServer.h"
#include "bench/ProcessMemory.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/KorvelWebEngine.h"
#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Screen.h"
#include "settings/KVSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

namespace {

using namespace korvel;
using namespace korvel::bench;

constexpr int pageTimeoutMs = 30000;

// Waits in the event loop (not spinning: the engine's processes need the second core) until
// `done` holds or the time is up.
bool waitFor(const std::function<bool()>& done, int timeoutMs, int pollMs = 2)
{
    // The answer is kept rather than asked again: asking may cost a grab of the view.
    bool met = done();
    if (met)
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        met = done();
        if (met)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(pollMs);
    loop.exec();
    return met;
}

// The page counts as painted when the view's own frame shows the page's colour, so both kinds of
// view are held to the same check after their load finished.
bool showsPage(QWebEngineView* view)
{
    const QImage frame = view->grab().toImage();
    if (frame.isNull())
        return false;
    return frame.pixelColor(frame.width() / 2, frame.height() / 2) == pageColour;
}

// /proc/PID/status and smaps_rollup figures in KiB; 0 when the process is gone.
long procField(qint64 pid, const char* file, const char* field)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid > 0 ? QString::number(pid) : QStringLiteral("self"), QLatin1String(file)));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

bool processAlive(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // A zombie has already given its memory back.
    const QByteArray stat = f.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2, 1) != "Z";
}

struct Memory {
    long processBefore = 0;  // this process before the view was created
    long process = 0;        // this process with the page painted
    long processPss = 0;
    long renderer = 0;  // the page's renderer process
    long rendererPss = 0;
    long otherEngine = 0;  // the engine's other processes (zygote, GPU, utilities), shared by every view
};

Memory measure(qint64 rendererPid, long processBefore)
{
    Memory m;
    m.processBefore = processBefore;
    m.process = procField(0, "status", "VmRSS");
    m.processPss = procField(0, "smaps_rollup", "Pss");
    m.renderer = procField(rendererPid, "status", "VmRSS");
    m.rendererPss = procField(rendererPid, "smaps_rollup", "Pss");
    for (qint64 pid : bench::engineProcesses()) {
        if (pid != rendererPid)
            m.otherEngine += procField(pid, "status", "VmRSS");
    }
    return m;
}

struct Round {
    double loadedMs = 0;  // load finished
    double ms = 0;        // page painted
    Memory memory;
};

class Bench {
public:
    explicit Bench(const QString& address)
        : m_address(address)
    {
        m_site.url = address;
        m_site.title = QStringLiteral("Start");
        KVSettings::getSettingsObject().allowedWebsites = {m_site};

        // The kiosk's shell: a home screen at the root, the browser window pushed over it.
        m_stack.resize(800, 600);
        m_stack.show();
        m_stack.push(new Screen, NavigationStack::Animation::None);

        m_host.setLayout(new QVBoxLayout);
        m_host.layout()->setContentsMargins(0, 0, 0, 0);
        m_host.resize(m_stack.size());
        m_host.show();
    }

    bool korvel(Round* round)
    {
        const long before = procField(0, "status", "VmRSS");
        bool finished = false;
        bool ok = false;
        QElapsedTimer timer;
        timer.start();
        KVWKViewController* window = KVWKViewController::initWithWebsite(m_site);
        QObject::connect(window, &KVWKViewController::pageFinished, window, [&](bool result) {
            finished = true;
            ok = result;
        });
        m_stack.push(window, NavigationStack::Animation::None);
        const bool loaded = waitFor([&] { return finished; }, pageTimeoutMs) && ok;
        round->loadedMs = timer.nsecsElapsed() / 1e6;
        const bool painted = loaded && waitFor([&] { return showsPage(window->webView()); }, pageTimeoutMs);
        round->ms = timer.nsecsElapsed() / 1e6;
        const qint64 renderer = window->webView()->page()->renderProcessPid();
        round->memory = measure(renderer, before);
        // The bare view gets the size the window gave its web view.
        m_host.resize(window->webView()->size());

        QPointer<KVWKViewController> gone(window);
        m_stack.pop(NavigationStack::Animation::None);
        settle(gone, renderer);
        return painted;
    }

    bool bare(Round* round)
    {
        const long before = procField(0, "status", "VmRSS");
        bool finished = false;
        bool ok = false;
        QElapsedTimer timer;
        timer.start();
        auto* view = new QWebEngineView(&m_host);
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&](bool result) {
            finished = true;
            ok = result;
        });
        m_host.layout()->addWidget(view);
        view->show();
        view->load(QUrl(m_address));
        const bool loaded = waitFor([&] { return finished; }, pageTimeoutMs) && ok;
        round->loadedMs = timer.nsecsElapsed() / 1e6;
        const bool painted = loaded && waitFor([&] { return showsPage(view); }, pageTimeoutMs);
        round->ms = timer.nsecsElapsed() / 1e6;
        const qint64 renderer = view->page()->renderProcessPid();
        round->memory = measure(renderer, before);

        QPointer<QWebEngineView> gone(view);
        view->hide();
        view->deleteLater();
        settle(gone, renderer);
        return painted;
    }

    QSize viewSize() const { return m_host.size(); }

private:
    // The next round starts with the previous view deleted and its renderer exited, so neither its
    // teardown nor its memory falls into the next measurement.
    template <typename T>
    static void settle(const QPointer<T>& view, qint64 renderer)
    {
        waitFor([&] { return view.isNull(); }, 5000, 5);
        if (renderer > 0 && !waitFor([&] { return !processAlive(renderer); }, 5000, 5))
            std::fprintf(stderr, "renderer %lld still running 5 s after its view went\n", static_cast<long long>(renderer));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString m_address;
    allowedWebsite m_site;
    NavigationStack m_stack;
    QWidget m_host;
};

template <typename T>
double median(std::vector<T> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? double(values[n / 2]) : (double(values[n / 2 - 1]) + double(values[n / 2])) / 2;
}

double medianOf(const std::vector<Round>& rounds, const std::function<double(const Round&)>& field)
{
    std::vector<double> values;
    for (const Round& r : rounds)
        values.push_back(field(r));
    return median(values);
}

double mib(double kib)
{
    return kib / 1024.0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    PageServer server;
    // No sandbox (benchmarks run as root, like the tests); every *.test host is this machine.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QByteArrayLiteral("--no-sandbox --disable-gpu --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND\""));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // A throwaway home: the window's engine profile, log and settings live under it.
    QTemporaryDir home;
    Paths::setHome(home.path());
    Paths::setManagedConfigurationFile(home.path() + QStringLiteral("/managed/managed.plist"));

    KorvelWebEngine::registerSchemes();
    QApplication application(argc, argv);
    NavigationStack::setAnimationsEnabled(false);
    // The window logs every load, as it does in the program.
    KVLogger::createDatabase_Tables();

    const QString address = server.url();
    Bench bench(address);

    // The engine's one-time start-up and each profile's first use are not part of a window's start.
    Round warm;
    if (!bench.korvel(&warm) || !bench.bare(&warm)) {
        std::fprintf(stderr, "warm-up: the page was not painted within %d s\n", pageTimeoutMs / 1000);
        return 1;
    }

    std::vector<Round> korvelRounds;
    std::vector<Round> bareRounds;
    for (int i = 0; i < rounds; ++i) {
        // Alternating which goes first keeps either from always following the other's teardown.
        Round k;
        Round b;
        const bool korvelFirst = i % 2 == 0;
        const bool ok = korvelFirst ? bench.korvel(&k) && bench.bare(&b) : bench.bare(&b) && bench.korvel(&k);
        if (!ok) {
            std::fprintf(stderr, "round %d: the page was not painted within %d s\n", i + 1, pageTimeoutMs / 1000);
            return 1;
        }
        std::printf("round %2d  korvel %6.1f ms (loaded %6.1f)  bare %6.1f ms (loaded %6.1f)  %s first\n", i + 1, k.ms,
                    k.loadedMs, b.ms, b.loadedMs, korvelFirst ? "korvel" : "bare");
        korvelRounds.push_back(k);
        bareRounds.push_back(b);
    }

    const auto figures = [](const std::vector<Round>& r) {
        struct {
            double loaded, ms, process, processPss, delta, renderer, rendererPss, other;
        } f{medianOf(r, [](const Round& x) { return x.loadedMs; }), medianOf(r, [](const Round& x) { return x.ms; }),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.process); })),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.processPss); })),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.process - x.memory.processBefore); })),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.renderer); })),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.rendererPss); })),
            mib(medianOf(r, [](const Round& x) { return double(x.memory.otherEngine); }))};
        return f;
    };
    const auto k = figures(korvelRounds);
    const auto b = figures(bareRounds);
    const double ratio = k.ms / b.ms;

    std::printf("\nMedians of %d rounds (page %s, view %dx%d)\n", rounds, qPrintable(address), bench.viewSize().width(),
                bench.viewSize().height());
    std::printf("%-38s %10s %10s %10s\n", "", "korvel", "bare", "korvel-bare");
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "create to load finished (ms)", k.loaded, b.loaded, k.loaded - b.loaded);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "create to first page painted (ms)", k.ms, b.ms, k.ms - b.ms);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "this process RSS, page painted (MiB)", k.process, b.process, k.process - b.process);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "this process PSS, page painted (MiB)", k.processPss, b.processPss,
                k.processPss - b.processPss);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "this process RSS growth per view (MiB)", k.delta, b.delta, k.delta - b.delta);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "page's renderer RSS (MiB)", k.renderer, b.renderer, k.renderer - b.renderer);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "page's renderer PSS (MiB)", k.rendererPss, b.rendererPss,
                k.rendererPss - b.rendererPss);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "other engine processes RSS (MiB)", k.other, b.other, k.other - b.other);
    std::printf("%-38s %10.1f %10.1f %10.1f\n", "process + renderer RSS (MiB)", k.process + k.renderer,
                b.process + b.renderer, (k.process + k.renderer) - (b.process + b.renderer));
    std::printf("\nratio korvel / bare: %.2f (target <= 1.20): %s\n", ratio, ratio <= 1.2 ? "met" : "NOT met");
    return 0;
}
