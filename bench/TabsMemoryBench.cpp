// Memory of tabbed browsing: opens 50 tabs on a local page and closes them again (in batches up to
// the tab limit), and prints this process's and the engine's processes' memory before and after.
// Target: both back within 10 % of the start.
//
// Run: QT_QPA_PLATFORM=offscreen build/bin/bench_tabs_memory [tabs]
#include "bench/PageServer.h"
#include "bench/ProcessMemory.h"
#include "browser/ui/TabCell.h"
#include "browser/ui/BrowserTab.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/BrowserTabsController.h"
#include "browser/ui/StandardRoutes.h"
#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>

#include <malloc.h>
#include <functional>

namespace {

using namespace korvel;
using namespace korvel::bench;

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    bool met = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        met = done();
        if (met)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(10);
    loop.exec();
    return met;
}

void settle(int ms)
{
    waitFor([] { return false; }, ms);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Figures {
    qint64 processRss = 0;
    qint64 processPss = 0;
    qint64 enginePss = 0;  // the engine's processes: renderers, zygote, utilities
    qint64 engineRss = 0;
    int engineProcesses = 0;
};

Figures measure()
{
    Figures f;
    f.processRss = processKiB(getpid(), "status", "VmRSS");
    f.processPss = processKiB(getpid(), "smaps_rollup", "Pss");
    for (const qint64 pid : engineProcesses()) {
        f.enginePss += processKiB(pid, "smaps_rollup", "Pss");
        f.engineRss += processKiB(pid, "status", "VmRSS");
        ++f.engineProcesses;
    }
    return f;
}

void print(const char* what, const Figures& f)
{
    std::printf("%-8s process RSS %7.1f MiB, PSS %7.1f MiB; engine processes %2d, RSS %7.1f MiB, PSS %7.1f MiB\n", what,
                f.processRss / 1024.0, f.processPss / 1024.0, f.engineProcesses, f.engineRss / 1024.0, f.enginePss / 1024.0);
}

// Opens `total` tabs on `address`, in batches up to the limit, closing each batch again.
void openAndClose(BrowserTabsController& tabs, const QString& address, int total, bool report)
{
    int opened = 0;
    while (opened < total) {
        while (opened < total && tabs.tabCount() < 8) {
            tabs.onAddActionBtnPressed();
            BrowserTab* tab = tabs.tab(tabs.selectInt());
            bool finished = false;
            QObject::connect(tab->webView()->page(), &QWebEnginePage::loadFinished, tab, [&finished, tab](bool) {
                finished = tab->webView()->title() == QLatin1String("Start");
            });
            tab->webView()->load(QUrl(address));
            if (!waitFor([&] { return finished; }, 30000))
                std::fprintf(stderr, "tab %d did not load its page\n", opened);
            ++opened;
        }
        const Figures full = measure();
        if (report)
            std::printf("%2d tabs open: engine processes %d, engine PSS %.1f MiB\n", tabs.tabCount(), full.engineProcesses,
                        full.enginePss / 1024.0);
        while (tabs.tabCount() > 1)
            tabs.crossPressedForTabCell(tabs.cell(tabs.tabCount() - 1));
        settle(500);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int total = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    PageServer server;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QByteArrayLiteral("--no-sandbox --disable-gpu --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND\""));
    QApplication app(argc, argv);
    QTemporaryDir home;
    Paths::setHome(home.path());
    Paths::setManagedConfigurationFile(home.path() + QStringLiteral("/managed/managed.plist"));
    Routes::install(StandardRoutes::make());
    KVLogger::createDatabase_Tables();
    for (const QString& name : Paths::homePageResources())
        QFile::copy(Paths::resourceFile(name), Paths::documentsDirectory() + QLatin1Char('/') + name);
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.useMultiTab = true;
    settings.kvBrowPref.countOfTabs = 8;
    allowedWebsite site;
    site.url = server.url();
    site.title = QStringLiteral("Start");
    settings.allowedWebsites = {site};
    NavigationStack::setAnimationsEnabled(false);

    NavigationStack stack;
    stack.resize(1280, 800);
    stack.show();
    auto* tabs = new BrowserTabsController;
    stack.push(tabs, Animation::None);
    if (!waitFor([&] { return tabs->tab(0) && tabs->tab(0)->showsHomePage(); }, 30000)) {
        std::fprintf(stderr, "the first tab never showed its home page\n");
        return 1;
    }
    settle(3000);
    const Figures cold = measure();
    // One tab opened and closed first, so that what the first page of any tab builds once (engine
    // caches, toolbar images, the log's database) is in both figures.
    openAndClose(*tabs, server.url(), 1, false);
    settle(3000);
    const Figures before = measure();
    openAndClose(*tabs, server.url(), total, true);
    settle(5000);
    const Figures after = measure();
    // Freed heap that the allocator keeps for reuse is not held by anything: given back, the rest
    // is what tabs left behind.
    malloc_trim(0);
    const Figures trimmed = measure();
    int views = 0;
    for (QWidget* widget : QApplication::allWidgets())
        views += qobject_cast<QWebEngineView*>(widget) != nullptr;
    print("cold", cold);
    print("before", before);
    print("after", after);
    print("trimmed", trimmed);
    std::printf("web views alive: %d\n", views);
    // PSS moves with whatever else shares the libraries on the machine; RSS is the steadier figure.
    std::printf("after/before: process RSS %.2f, PSS %.2f (trimmed %.2f); engine RSS %.2f, PSS %.2f (target at most 1.10)\n",
                double(after.processRss) / double(before.processRss), double(after.processPss) / double(before.processPss),
                double(trimmed.processPss) / double(before.processPss), double(after.engineRss) / double(before.engineRss),
                double(after.enginePss) / double(before.enginePss));
    return 0;
}
