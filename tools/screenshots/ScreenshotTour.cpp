// Walks the kiosk through every screen that exists and saves what the X screen shows at each
// step, so people can look at the product without a touch panel. Run by scripts/screenshots
// under Xvfb at each panel size; pictures go to the directory given with --out.

#include "admin/MenuEntries.h"
#include "admin/ui/KVFilePickerController.h"
#include "files/KVServerStarter.h"
#include "transfer/ui/KVImportExportViewController.h"
#include "cloud/CloudDocumentStore.h"
#include "cloud/CloudServer.h"
#include "transfer/CloudService.h"
#include "transfer/ui/WelcomeCloudImportScreen.h"
#include "transfer/ui/KVExportCloudIDViewController.h"
#include "transfer/ui/KVExportToCloudWithQRCodeViewController.h"
#include "transfer/ui/KVScanQRForImportViewController.h"
#include "transfer/ui/KVImportExportCloudViewController.h"
#include "files/ui/KVDownloadHistoryViewController.h"
#include "files/ui/KVFileDownloader.h"
#include "admin/ui/KVPDFViewerSettingsViewController.h"
#include "files/ui/KVReaderVC.h"
#include "files/ui/ReaderPageView.h"
#include "files/ui/ReaderContentsPanel.h"
#include "files/ui/ReaderSearchPanel.h"
#include "files/ui/KVWaitingDownloadProgressView.h"
#include "admin/ui/KVAddBlockedWebsiteViewController.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/KVAllowedWebsiteDetails.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVNavigationToolbarTableViewController.h"
#include "admin/ui/KVSearchSettingsViewController.h"
#include "admin/ui/KVSpecialLinksViewController.h"
#include "admin/ui/KVUserAgentsViewController.h"
#include "admin/ui/KVWkWebviewSettingsController.h"
#include "admin/ui/OpenSourceLicensesViewController.h"
#include "admin/ui/SystemInformationViewController.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVMotionDetectionSettingsViewController.h"
#include "admin/ui/KVPowerSaverSettingsViewController.h"
#include "admin/ui/KVScreenSaverSettingsViewController.h"
#include "browser/PowerSaver.h"
#include "browser/ui/KVScreensaver.h"
#include "admin/ui/KVManageCategoryDetailViewController.h"
#include "admin/ui/KVPolicyListViewController.h"
#include "admin/ui/KVLogOptionsViewController.h"
#include "admin/ui/KVLogViewController.h"
#include "admin/ui/UploadServerAddressScreen.h"
#include "log/KVLog.h"
#include "admin/ui/KVWelcomeScreenViewController.h"
#include "app/KVAppDelegate.h"
#include "app/VirtualKeyboard.h"
#include "app/ui/KVApplication.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KVPasswordAlert.h"
#include "app/ui/KioskInput.h"
#include "app/ui/KorvelShell.h"
#include "browser/ToolbarItem.h"
#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/BrowserTabsController.h"
#include "platform/ui/Theme.h"
#include "platform/AtomicFile.h"
#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "tests/support/ScopedEnv.h"
#include "tests/files/ui/TestDocuments.h"
#include "tests/support/WebTestServer.h"
#include "tools/screenshots/AccessibilityWalk.h"
#include "tools/screenshots/LookCheck.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLineEdit>
#include <QScrollArea>
#include <QPixmap>
#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

QString outputDirectory;
int failures = 0;
// With --check every picture is also judged for finger size and text contrast.
bool checkLook = false;
// With --fit only the fit of every text in its control is judged: what a language changes.
bool checkFit = false;
QStringList lookOffenders;
bool darkRun = false;
// With --lang the kiosk speaks that language, as its "Language" preference makes it.
QString language;
int largerText = 0;
bool highContrast = false;

// With --walk no picture is taken: every screen's accessibility tree is walked instead, and pauses
// that only let a picture settle are cut short, so the walk fits in the test suite.
bool walkOnly = false;

void waitFor(int ms, const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void waitFor(int ms)
{
    waitFor(walkOnly ? ms / 5 : ms, [] { return false; });
}

// The keyboard's layout is loaded after the keyboard shows; its rows lay out their keys a moment
// later still, and a picture taken before shows keys squeezed to nothing.
void waitForKeyboardLayout()
{
    if (!walkOnly)
        waitFor(2500);
}

// A field that takes the focus brings the keyboard up.
void waitForKeyboard()
{
    if (!walkOnly)
        waitFor(3000, [] { return QGuiApplication::inputMethod()->isVisible(); });
}

void shoot(const QString& name)
{
    // The layouts of the step before run first: the walk judges where the controls stand. No
    // picture needs a longer pause.
    if (walkOnly)
        waitFor(60, [] { return false; });
    const QString shot = name + (darkRun ? QStringLiteral(" (dark)") : QString());
    // A screen still settling (a fade, a dimming on its way out, a layout after a resize) is
    // judged again once it has had time to: what is still wrong then is an offender.
    const auto settled = [](const std::function<QStringList()>& check) {
        QStringList found = check();
        if (!found.isEmpty() && walkOnly) {
            waitFor(800, [] { return false; });
            found = check();
        }
        return found;
    };
    if (walkOnly || checkLook)
        lookOffenders += settled([&] { return AccessibilityWalk::offenders(shot); });
    if (walkOnly) {
        if (checkLook || checkFit)
            lookOffenders += settled([&] { return LookCheck::offenders(shot, !checkLook); });
        std::printf("%s\n", qPrintable(name));
        std::fflush(stdout);
        return;
    }
    // Let layouts, fades and the engine's compositor settle before the picture.
    waitFor(900);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString file = outputDirectory + QLatin1Char('/') + name + QStringLiteral(".png");
    if (picture.isNull() || !picture.save(file)) {
        std::fprintf(stderr, "screenshots: could not save %s\n", qPrintable(file));
        ++failures;
        return;
    }
    std::printf("%s\n", qPrintable(file));
    if (checkLook || checkFit)
        lookOffenders += LookCheck::offenders(name + (darkRun ? QStringLiteral(" (dark)") : QString()), !checkLook);
}

template <typename T>
T* waitForTop(NavigationStack* stack, int ms = 10000)
{
    T* found = nullptr;
    waitFor(ms, [&] { return (found = qobject_cast<T*>(stack->topScreen())) != nullptr; });
    return found;
}

allowedWebsite site(const QString& title, const QString& url, qint64 category = 0)
{
    allowedWebsite w;
    w.title = title;
    w.url = url;
    w.categoryId = category;
    return w;
}


// Tabbed browsing in both appearances: the tabbed home page, the strip with several tabs, and the
// toast of the tab limit.
void tourTabs(NavigationStack* stack)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    const KVBrowserPrefSettings kept = p;
    p.useMultiTab = true;
    p.countOfTabs = 3;
    p.enableToolBar = true;
    settings.save();
    // A dark tour shows the dark strip only; the light tour shows both, side by side.
    const QList<bool> appearances = darkRun ? QList<bool>{true} : QList<bool>{false, true};
    for (const bool dark : appearances) {
        qputenv("KORVEL_APPEARANCE", dark ? "dark" : "light");
        Theme::apply(*static_cast<QApplication*>(QCoreApplication::instance()));
        const QString suffix = dark && !darkRun ? QStringLiteral("-dark") : QString();
        auto* tabs = new BrowserTabsController;
        stack->push(tabs, NavigationStack::Animation::None);
        waitFor(15000, [&] { return tabs->tab(0) && tabs->tab(0)->showsHomePage(); });
        waitFor(1500);
        shoot(QStringLiteral("22-tabs-home") + suffix);
        for (const int website : {0, 1}) {
            tabs->onAddActionBtnPressed();
            BrowserTab* tab = tabs->tab(tabs->selectInt());
            tab->webView()->load(QUrl(settings.allowedWebsites.at(website).url));
            waitFor(15000, [&] { return tab->webView()->title() == QLatin1String("Town hall"); });
        }
        tabs->selectTab(1);
        waitFor(1000);
        shoot(QStringLiteral("22-tabs-strip") + suffix);
        tabs->onAddActionBtnPressed();
        shoot(QStringLiteral("22-tabs-limit-toast") + suffix);
        stack->pop(NavigationStack::Animation::None);
        waitFor(2500, [] { return Toast::visibleToasts().isEmpty(); });
    }
    qputenv("KORVEL_APPEARANCE", darkRun ? "dark" : "light");
    Theme::apply(*static_cast<QApplication*>(QCoreApplication::instance()));
    p = kept;
    settings.save();
}

// The administration screens of a configured kiosk, each as the administrator first sees it.
void tourAdministration(NavigationStack* stack)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.kvBrowPref.allowAllWebsites = true;
    settings.blockedWebsites = {blockedWebsite::initWithParams(QStringLiteral("http://games.test"), WebsiteProtocol::Http, QStringLiteral("games"))};
    settings.save();
    KVLog(QStringLiteral("Warning"), QStringLiteral("Application recieved Memory Warning"));
    KVLog(QStringLiteral("Webview"), QStringLiteral("URL_Blocked<%@>"), QStringLiteral("http://games.test/play?level=1"));
    KVLog(QStringLiteral("URL_action"), QStringLiteral("URL_Added<%@>"), QStringLiteral("http://library.test/"));
    KVLog(QStringLiteral("Error"), QStringLiteral("Import failed: the settings document at http://config.test/kiosk.plist could not be read (404)"));
    KVLog(QStringLiteral("URL_action"), QStringLiteral("URL_Deleted<%@>"), QStringLiteral("http://old.test/"));

    auto* menu = new KVMainMenuViewController;
    stack->push(menu, NavigationStack::Animation::None);
    shoot(QStringLiteral("17-settings-menu-allow-all"));
    menu->didSelectMenuId(AllowedWebsitesMenu);
    if (auto* list = waitForTop<KVPolicyListViewController>(stack)) {
        shoot(QStringLiteral("17-allowed-websites"));
        list->openEditor(5);
        if (auto* editor = waitForTop<KVAllowedWebsiteDetails>(stack)) {
            shoot(QStringLiteral("17-allowed-website-editor"));
            if (Alert* categories = editor->showCategoryMenu()) {
                shoot(QStringLiteral("17-allowed-website-category-menu"));
                categories->dismiss();
            }
            stack->pop(NavigationStack::Animation::None);
        }
        stack->pop(NavigationStack::Animation::None);
    }
    menu->didSelectMenuId(ManageCategoriesMenu);
    if (auto* list = waitForTop<KVPolicyListViewController>(stack)) {
        shoot(QStringLiteral("17-categories"));
        list->openEditor(0);
        shoot(QStringLiteral("17-category-editor"));
        stack->pop(NavigationStack::Animation::None);
        stack->pop(NavigationStack::Animation::None);
    }
    menu->didSelectMenuId(BlockedWebsitesMenu);
    if (auto* list = waitForTop<KVPolicyListViewController>(stack)) {
        shoot(QStringLiteral("17-blocked-websites"));
        list->openEditor(0);
        shoot(QStringLiteral("17-blocked-website-editor"));
        stack->pop(NavigationStack::Animation::None);
        stack->pop(NavigationStack::Animation::None);
    }
    menu->didSelectMenuId(AdvancedSettingsMenu);
    shoot(QStringLiteral("17-advanced-settings"));
    stack->pop(NavigationStack::Animation::None);

    menu->didSelectMenuId(BrowserPreferencesMenu);
    if (auto* preferences = waitForTop<KVBrowserPreferences>(stack)) {
        shoot(QStringLiteral("19-browser-preferences"));
        // Further down: the window rows, then the server and file rows.
        preferences->setScrollToIndexPath(KVBrowserPreferences::WindowSection, 12);
        preferences->viewDidAppear(false);
        shoot(QStringLiteral("19-browser-preferences-window"));
        preferences->setScrollToIndexPath(KVBrowserPreferences::DownloadSection, 2);
        preferences->viewDidAppear(false);
        shoot(QStringLiteral("19-browser-preferences-end"));
        if (QLineEdit* password = preferences->field(KVBrowserPreferences::id(KVBrowserPreferences::AdminSection, 0))) {
            password->setText(QStringLiteral("weak"));
            if (Alert* question = preferences->passwordReturned()) {
                shoot(QStringLiteral("19-browser-preferences-weak-password"));
                question->dismiss();
            }
            password->clear();
        }
        // A save that fails is said on screen while the administrator is in the settings.
        Q_EMIT UserDefaults::standard().saveFailed(Paths::defaultsFile() + QStringLiteral(": No space left on device"));
        if (Alert* failed = Alert::visibleAlert()) {
            shoot(QStringLiteral("19-settings-not-saved"));
            failed->dismiss();
        }
        stack->pop(NavigationStack::Animation::None);
    }
    // The upload server switched on without a code, over HTTPS: the warning row, and the address
    // and fingerprint for a phone.
    {
        const KVBrowserPrefSettings before = settings.kvBrowPref;
        settings.kvBrowPref.serverSwitchOnOFF = true;
        settings.kvBrowPref.uploadAccessCode.clear();
        settings.kvBrowPref.uploadServerTLS = true;
        settings.save();
        KVServerStarter& server = KVServerStarter::sharedInstance();
        server.setTls(true);
        server.startServerConnectionWith(0);
        menu->didSelectMenuId(BrowserPreferencesMenu);
        if (auto* preferences = waitForTop<KVBrowserPreferences>(stack)) {
            preferences->setScrollToIndexPath(KVBrowserPreferences::ServerSection, 5);
            preferences->viewDidAppear(false);
            shoot(QStringLiteral("19-browser-preferences-server"));
            stack->push(new UploadServerAddressScreen, NavigationStack::Animation::None);
            shoot(QStringLiteral("19-upload-server-address"));
            stack->pop(NavigationStack::Animation::None);
            stack->pop(NavigationStack::Animation::None);
        }
        server.stopServerConnection();
        server.setTls(false);
        settings.kvBrowPref = before;
        settings.save();
    }
    for (Screen* screen : std::initializer_list<Screen*>{new KVNavigationToolbarTableViewController, new KVSpecialLinksViewController,
                                                         new KVUserAgentsViewController, new KVWkWebviewSettingsController}) {
        const QString name = screen->objectName();
        stack->push(screen, NavigationStack::Animation::None);
        shoot(QStringLiteral("20-") + name);
        stack->pop(NavigationStack::Animation::None);
    }
    menu->handleSearchSettings();
    if (auto* search = waitForTop<KVSearchSettingsViewController>(stack)) {
        shoot(QStringLiteral("20-search-settings"));
        search->search(QStringLiteral("zoom"));
        shoot(QStringLiteral("20-search-settings-zoom"));
        stack->pop(NavigationStack::Animation::None);
    }
    menu->didSelectMenuId(OpenSourceLicensesMenu);
    if (auto* licences = waitForTop<OpenSourceLicensesViewController>(stack)) {
        shoot(QStringLiteral("21-open-source-licenses"));
        licences->openLibrary(9);
        shoot(QStringLiteral("21-open-source-license-notice"));
        stack->pop(NavigationStack::Animation::None);
        stack->pop(NavigationStack::Animation::None);
    }
    menu->didSelectMenuId(SystemSettingsMenu);
    shoot(QStringLiteral("21-system-information"));
    stack->pop(NavigationStack::Animation::None);
    menu->didSelectMenuId(CheckLockdownMenu);
    shoot(QStringLiteral("21-check-lockdown"));
    stack->pop(NavigationStack::Animation::None);

    menu->didSelectMenuId(ViewLogMenu);
    if (auto* log = waitForTop<KVLogViewController>(stack)) {
        shoot(QStringLiteral("18-log"));
        log->viewSelect();
        shoot(QStringLiteral("18-log-view-options"));
        stack->pop(NavigationStack::Animation::None);
        log->showSearchBar();
        log->searchBar()->setText(QStringLiteral("url_"));
        Q_EMIT log->searchBar()->textEdited(log->searchBar()->text());
        shoot(QStringLiteral("18-log-search"));
        log->refresh();
        const int blocked = int(log->shownLines().indexOf(QRegularExpression(QStringLiteral(".*URL_Blocked.*"))));
        if (Alert* sheet = log->didSelectRow(blocked)) {
            shoot(QStringLiteral("18-log-allow-website"));
            sheet->dismiss();
        }
        stack->pop(NavigationStack::Animation::None);
    }
    menu->handleBack();
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--out") == 0)
            outputDirectory = QString::fromLocal8Bit(argv[i + 1]);
        if (qstrcmp(argv[i], "--appearance") == 0)
            darkRun = qstrcmp(argv[i + 1], "dark") == 0;
        if (qstrcmp(argv[i], "--lang") == 0)
            language = QString::fromLocal8Bit(argv[i + 1]);
        if (qstrcmp(argv[i], "--larger-text") == 0)
            largerText = std::clamp(QByteArray(argv[i + 1]).toInt(), 0, 2);
    }
    for (int i = 1; i < argc; ++i) {
        checkLook = checkLook || qstrcmp(argv[i], "--check") == 0;
        walkOnly = walkOnly || qstrcmp(argv[i], "--walk") == 0;
        checkFit = checkFit || qstrcmp(argv[i], "--fit") == 0;
        highContrast = highContrast || qstrcmp(argv[i], "--high-contrast") == 0;
    }
    if (walkOnly)
        outputDirectory = QDir::tempPath();
    if (outputDirectory.isEmpty()) {
        std::fprintf(stderr, "usage: screenshot_tour --out DIR [--appearance light|dark] [--lang LANG] [--larger-text 0|1|2]\n"
                             "                       [--high-contrast] [--check|--fit] (under an X server)\n"
                             "       screenshot_tour --walk [--appearance light|dark] [--lang LANG] [--check|--fit] (no pictures;\n"
                             "       --check and --fit need an X server)\n");
        return 2;
    }
    QDir().mkpath(outputDirectory);
    QTemporaryDir home;
    Paths::setHome(home.path());

    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><head><title>Town hall</title><meta name=viewport content='width=device-width'></head>"
        "<body style='font-family:sans-serif;margin:0'>"
        "<div style='background:#1769d6;color:white;padding:28px 32px;font-size:30px'>Town hall services</div>"
        "<div style='padding:24px 32px;font-size:20px;line-height:1.5'>"
        "<p>Opening hours: Monday to Friday, 8:00 to 17:00.</p>"
        "<p><a href='/forms'>Forms and applications</a></p><p><a href='/news'>Local news</a></p>"
        "<p><input placeholder='Search the services' style='font-size:20px;padding:10px;width:60%'></p></div></body></html>"));
    const korvel::test::ScopedEnv appearance("KORVEL_APPEARANCE", darkRun ? "dark" : "light");
    const korvel::test::ScopedEnv sandbox("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const korvel::test::ScopedEnv flags("QTWEBENGINE_CHROMIUM_FLAGS", korvel::test::webTestChromiumFlags(server.port()));
    // The pictures show the on-screen keyboard a touch-only panel gets, set up as korvel sets it up.
    const korvel::test::ScopedEnv inputMethod("QT_IM_MODULE");
    VirtualKeyboard::prepareEnvironment({QStringLiteral("screenshot_tour"), QStringLiteral("--virtual-keyboard=on")});
    KorvelWebEngine::registerSchemes();
    KVApplication application(argc, argv);
    KioskInput::install();
    KorvelWebEngine::chooseRenderPath();
    NavigationStack::setAnimationsEnabled(false);

    // A cloud settings service of its own, so the cloud screens show real IDs and a history.
    cloud::CloudDocumentStore cloudStore;
    std::string cloudError;
    cloudStore.open((home.path() + QStringLiteral("/cloud.db")).toStdString(), &cloudError);
    cloud::CloudServer cloudServer(cloudStore, {0, 1, {}, [](const std::string&) {}});
    const int cloudPort = cloudServer.bind("127.0.0.1", 0);
    std::thread cloudThread([&] { cloudServer.listen(); });
    struct CloudStop {
        cloud::CloudServer& server;
        std::thread& thread;
        ~CloudStop()
        {
            server.stop();
            thread.join();
        }
    } cloudStop{cloudServer, cloudThread};
    CloudService::setCommandLineAddress(QStringLiteral("http://127.0.0.1:%1").arg(cloudPort));

    if (!language.isEmpty() || largerText || highContrast) {
        KVSettings& settings = KVSettings::getSettingsObject();
        if (!language.isEmpty())
            settings.kvBrowPref.language = language;
        settings.kvBrowPref.largerText = largerText;
        settings.kvBrowPref.highContrast = highContrast;
        settings.save();
    }
    KorvelShell shell;
    shell.show();
    NavigationStack* stack = shell.window().navigationStack();
    auto* welcome = waitForTop<KVWelcomeScreenViewController>(stack);
    if (!welcome) {
        std::fprintf(stderr, "screenshots: the welcome screen did not come up\n");
        return 1;
    }
    shoot(QStringLiteral("01-welcome"));
    welcome->getStarted();
    shoot(QStringLiteral("02-welcome-instructions"));
    welcome->okGotit();
    welcome->importFromCloud();
    if (auto* cloudWelcome = waitForTop<WelcomeCloudImportScreen>(stack)) {
        cloudWelcome->setCloudID(QStringLiteral("7fQ2xT0aLmB2vK9cYp1Z"));
        shoot(QStringLiteral("02-welcome-cloud-import"));
        stack->pop(NavigationStack::Animation::None);
    }

    KVPasswordAlert::showPasswordAlert(welcome);
    if (Alert* prompt = Alert::visibleAlert()) {
        // Its field takes the focus, which brings the keyboard up.
        waitForKeyboard();
        waitForKeyboardLayout();
        shoot(QStringLiteral("03-password-prompt"));
        QGuiApplication::inputMethod()->hide();
        prompt->textField(0)->setText(QStringLiteral("9246"));
        prompt->dismissWithButton(prompt->buttonIndex(qtTrId("APP_OK")));
    }
    auto* menu = waitForTop<KVMainMenuViewController>(stack);
    if (menu) {
        shoot(QStringLiteral("04-settings-menu"));
        // The first row warns about the factory password and changes it.
        menu->didSelectMenuId(ChangePasswordMenu);
        if (Alert* change = Alert::visibleAlert()) {
            waitForKeyboard();
            waitForKeyboardLayout();
            shoot(QStringLiteral("04-settings-menu-change-password"));
            QGuiApplication::inputMethod()->hide();
            change->dismiss();
        }
        menu->didSelectMenuId(AboutMenu);
        shoot(QStringLiteral("05-about"));
        stack->pop(NavigationStack::Animation::None);
        menu->didSelectMenuId(AllowedWebsitesMenu);
        shoot(QStringLiteral("06-allowed-websites-empty"));
        stack->pop(NavigationStack::Animation::None);
        // Import/Export, with the prompt of a file export and the reset question.
        menu->didSelectMenuId(ImportExportMenu);
        if (auto* transfer = waitForTop<KVImportExportViewController>(stack)) {
            shoot(QStringLiteral("06-import-export"));
            // The automatic-import section at the end, switched on, following an address.
            TableView* rows = transfer->tableView();
            rows->cellWithId(KVImportExportViewController::AutoImportSwitch)->toggle()->click();
            QCoreApplication::processEvents();
            Q_EMIT rows->cellWithId(KVImportExportViewController::AutoImportFrom)->segmentedControl()->selectionChanged(2);
            QCoreApplication::processEvents();
            rows->cellWithId(KVImportExportViewController::AutoImportPath)->textField()->setText(QStringLiteral("https://fleet.example/kiosk.plist"));
            if (auto* scroll = rows->findChild<QScrollArea*>())
                scroll->ensureWidgetVisible(rows->cellWithId(KVImportExportViewController::AutoImportPeriod));
            shoot(QStringLiteral("06-import-export-automatic-import"));
            // Files to import and where they came from: one placed with korvelctl, one that a device
            // on the network uploaded without the access code. The automatic import's file is the
            // latter, and its section says it will not be imported.
            const QString documents = Paths::documentsDirectory();
            const QString placed = documents + QStringLiteral("/Fleet.plist");
            const QString uploaded = documents + QStringLiteral("/Korvel.plist");
            const DocumentOrigins origins = DocumentOrigins::forHome();
            for (const auto& [path, origin] : {std::pair{placed, DocumentOrigin::Korvelctl}, std::pair{uploaded, DocumentOrigin::UploadWithoutCode}}) {
                if (!AtomicFile::writeFile(path, "<plist version=\"1.0\"><dict/></plist>") || !origins.record(path, origin))
                    qWarning("screenshot_tour: %s could not be placed", qPrintable(path));
            }
            Q_EMIT rows->cellWithId(KVImportExportViewController::AutoImportFrom)->segmentedControl()->selectionChanged(0);
            QCoreApplication::processEvents();
            if (auto* scroll = rows->findChild<QScrollArea*>())
                scroll->ensureWidgetVisible(rows->cellWithId(KVImportExportViewController::AutoImportPeriod), 0, 200);
            shoot(QStringLiteral("06-import-export-automatic-import-file"));
            if (Alert* importPrompt = transfer->importFromFilePrompt()) {
                // The longest line it shows: a file that will not be imported.
                importPrompt->textField(0)->setText(QStringLiteral("Korvel.plist"));
                waitForKeyboard();
                waitForKeyboardLayout();
                shoot(QStringLiteral("06-import-export-import-prompt"));
                QGuiApplication::inputMethod()->hide();
                importPrompt->dismiss();
            }
            QFile::remove(placed);
            QFile::remove(uploaded);
            // Off again: the rest of the tour must not be interrupted by an import.
            rows->cellWithId(KVImportExportViewController::AutoImportSwitch)->toggle()->click();
            QCoreApplication::processEvents();
            if (Alert* exportPrompt = transfer->exportToFilePrompt()) {
                waitForKeyboard();
                waitForKeyboardLayout();
                shoot(QStringLiteral("06-import-export-file-prompt"));
                QGuiApplication::inputMethod()->hide();
                exportPrompt->dismiss();
            }
            if (Alert* reset = transfer->resetPrompt()) {
                shoot(QStringLiteral("06-import-export-reset-question"));
                reset->dismiss();
            }
            // The cloud: a new ID, then the cloud-ID screen in its three modes with that ID listed.
            transfer->didSelectRow(KVImportExportViewController::ExportToCloud);
            if (auto* cloudExport = waitForTop<KVExportCloudIDViewController>(stack)) {
                shoot(QStringLiteral("06-import-export-cloud-export"));
                cloudExport->didSelectRow(KVExportCloudIDViewController::ExportToNewID);
                waitFor(10000, [] { return Alert::visibleAlert() != nullptr; });
                if (Alert* issued = Alert::visibleAlert()) {
                    shoot(QStringLiteral("06-import-export-cloud-new-id"));
                    issued->dismiss();
                }
                cloudExport->didSelectRow(KVExportCloudIDViewController::ExportToExistingID);
                if (waitForTop<KVImportExportCloudViewController>(stack)) {
                    shoot(QStringLiteral("06-import-export-cloud-id-export"));
                    stack->pop(NavigationStack::Animation::None);
                }
                stack->pop(NavigationStack::Animation::None);
            }
            transfer->didSelectRow(KVImportExportViewController::ImportFromCloud);
            if (auto* cloudImport = waitForTop<KVImportExportCloudViewController>(stack)) {
                cloudImport->setCloudID(QStringLiteral("12345"));
                cloudImport->mainAction();
                shoot(QStringLiteral("06-import-export-cloud-id-import-invalid"));
                for (Toast* toast : Toast::visibleToasts())
                    toast->remove();
                stack->pop(NavigationStack::Animation::None);
            }
            stack->push(new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::AutoImport),
                        NavigationStack::Animation::None);
            shoot(QStringLiteral("06-import-export-cloud-id-auto-import"));
            stack->pop(NavigationStack::Animation::None);
            // A new ID as a QR code, stored once more from its screen; then the scanner of a device
            // without a camera.
            transfer->didSelectRow(KVImportExportViewController::ExportToCloudWithQRCode);
            if (waitForTop<KVExportToCloudWithQRCodeViewController>(stack)) {
                waitFor(10000, [] { return Alert::visibleAlert() != nullptr; });
                if (Alert* stored = Alert::visibleAlert())
                    stored->dismiss();
                waitFor(400);
                shoot(QStringLiteral("06-import-export-cloud-qr-code"));
                stack->pop(NavigationStack::Animation::None);
            }
            stack->push(new KVScanQRForImportViewController, NavigationStack::Animation::None);
            shoot(QStringLiteral("06-import-export-cloud-scan-qr"));
            stack->pop(NavigationStack::Animation::None);
            stack->pop(NavigationStack::Animation::None);
        }
        menu->handleBack();
    }

    // A configured kiosk: websites, a folder, downloads with their history.
    KVSettings& settings = KVSettings::getSettingsObject();
    const QString town = server.url(QStringLiteral("town.test"));
    settings.allowedWebsites = {site(QStringLiteral("Town hall"), town), site(QStringLiteral("Library"), server.url(QStringLiteral("library.test"))),
                                site(QStringLiteral("Bus times"), server.url(QStringLiteral("bus.test"))),
                                site(QStringLiteral("Weather"), server.url(QStringLiteral("weather.test"))),
                                site(QStringLiteral("Closed office"), QStringLiteral("http://closed.test:65000/")),
                                site(QStringLiteral("Local news"), server.url(QStringLiteral("news.test")), 1),
                                site(QStringLiteral("Sports"), server.url(QStringLiteral("sports.test")), 1)};
    allowedWebsiteCategory news;
    news.categoryId = 1;
    news.categoryTitle = QStringLiteral("News");
    settings.allowedWebsitesCategories = {news};
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    p.isAllowFileDownloadInDevice = true;
    p.isAllowKeepDownloadHistory = true;
    p.enablePrintButton = true;
    p.enableForwardButton = true;
    p.allowPopup = true;
    p.allowPopupInSameWindow = false;
    settings.save();
    stack->popToRoot(NavigationStack::Animation::None);
    if (welcome->isVisible())
        welcome->viewWillAppear(false);
    auto* homeScreen = waitForTop<KVHomePageViewController>(stack);
    if (!homeScreen) {
        std::fprintf(stderr, "screenshots: the home screen did not come up\n");
        return 1;
    }
    shoot(QStringLiteral("07-home"));

    // On a configured device the prompt keeps the factory password to itself; after five wrong
    // ones it says how long it pauses.
    for (int i = 0; i < 5; ++i) {
        KVPasswordAlert::showPasswordAlert(homeScreen);
        if (Alert* prompt = Alert::visibleAlert()) {
            prompt->textField(0)->setText(QStringLiteral("0000"));
            prompt->dismissWithButton(prompt->buttonIndex(qtTrId("APP_OK")));
        }
    }
    KVPasswordAlert::showPasswordAlert(homeScreen);
    if (Alert* prompt = Alert::visibleAlert()) {
        QGuiApplication::inputMethod()->hide();
        shoot(QStringLiteral("07-home-password-prompt-paused"));
        prompt->dismiss();
    }
    // A keychain that cannot be read keeps the settings shut and says how to reset it.
    waitFor(2500);
    QFile::copy(Paths::keychainFile(), Paths::keychainFile() + QStringLiteral(".kept"));
    if (QFile keychain(Paths::keychainFile()); keychain.open(QIODevice::WriteOnly | QIODevice::Truncate))
        keychain.write("damaged");
    KVPasswordAlert::requestAccess(homeScreen);
    shoot(QStringLiteral("07-home-password-store-damaged"));
    if (Alert* alert = Alert::visibleAlert())
        alert->dismiss();
    QFile::remove(Paths::keychainFile());
    QFile::rename(Paths::keychainFile() + QStringLiteral(".kept"), Paths::keychainFile());
    const QList<HomeItem> items = homeScreen->allowedVisibleWebsites();
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).kind == HomeItem::Kind::Category) {
            homeScreen->didSelectItem(i);
            shoot(QStringLiteral("08-home-category"));
            homeScreen->back();
            break;
        }
    }

    homeScreen->didSelectItem(0);
    if (auto* browser = waitForTop<KVWKViewController>(stack)) {
        waitFor(15000, [&] { return browser->webView()->title() == QLatin1String("Town hall"); });
        shoot(QStringLiteral("09-browser"));
        browser->toolbar()->trigger(ToolbarItem::More);
        shoot(QStringLiteral("10-browser-overflow-menu"));
        if (Alert* sheet = Alert::visibleAlert())
            sheet->dismiss();
        browser->webView()->page()->runJavaScript(QStringLiteral("window.open('/', '_blank')"));
        waitFor(2500);
        shoot(QStringLiteral("11-browser-popup"));
        // The picker a page's file input gets, over documents of every kind.
        const QString documents = Paths::documentsDirectory();
        QDir(documents).mkpath(QStringLiteral("forms/2024"));
        for (const char* name : {"Town map.png", "logo.JPG", "forms/2024/Parking permit application.pdf", "Opening hours.txt",
                                 "welcome.html", "tour.mp4", "announcement.mp3", "archive.zip", "settings.plist"})
            QFile(documents + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);
        stack->present(KVFilePickerController::forPage(PageFileRequest{}, [](const QStringList&) {}), NavigationStack::Animation::None);
        shoot(QStringLiteral("11-browser-file-picker"));
        stack->dismiss(NavigationStack::Animation::None);

        // A download on its way, its panel over the page; then the history with a stored file, a
        // removed one and the running one.
        WebTestServer::Page file;
        file.body = QByteArray(600000, 'x');
        file.mimeType = "application/octet-stream";
        file.delivery = WebTestServer::Page::Delivery::Stalled;
        server.setPage(QStringLiteral("/files/Bus timetable 2027.pdf"), file);
        browser->webView()->page()->runJavaScript(QStringLiteral("location.href = '/files/Bus%20timetable%202027.pdf'"));
        waitFor(8000, [] { return KVWaitingDownloadProgressView::sharedView()->isVisible(); });
        waitFor(800);
        shoot(QStringLiteral("11-browser-download"));
        settings.arrDownloadHistory.prepend(DownloadHistoryParam::initWithParams(
            QStringLiteral("Old menu.pdf"), documents + QStringLiteral("/Old menu.pdf"), QStringLiteral("2026-11-02T10:15:00.000Z"), QStringLiteral("1.4 MB"), 2));
        settings.arrDownloadHistory.prepend(DownloadHistoryParam::initWithParams(
            QStringLiteral("Opening hours.txt"), documents + QStringLiteral("/Opening hours.txt"), QStringLiteral("2026-12-01T08:30:00.000Z"), QStringLiteral("12 KB"), 1));
        settings.save();
        KVDownloadHistoryViewController::showOn(stack);
        if (auto* history = waitForTop<KVDownloadHistoryViewController>(stack)) {
            shoot(QStringLiteral("13-download-history"));
            history->setEditing(true);
            history->didSelectRow(1);
            shoot(QStringLiteral("13-download-history-editing"));
            history->setEditing(false);
            history->didSelectRow(0);
            shoot(QStringLiteral("13-download-file-sheet"));
            if (Alert* sheet = Alert::visibleAlert())
                sheet->dismiss();
            stack->pop(NavigationStack::Animation::None);
        }
        server.releaseStalled();
        browser->homeButtonPressed();
    }
    homeScreen = waitForTop<KVHomePageViewController>(stack);
    if (homeScreen) {
        const QList<HomeItem> again = homeScreen->allowedVisibleWebsites();
        for (int i = 0; i < again.size(); ++i) {
            const HomeItem& item = again.at(i);
            if (item.kind == HomeItem::Kind::Website
                && KVSettings::getSettingsObject().allowedWebsites.at(item.index).title == QLatin1String("Closed office")) {
                homeScreen->didSelectItem(i);
                break;
            }
        }
        if (waitForTop<KVWKViewController>(stack)) {
            waitFor(8000, [] { return Alert::visibleAlert() != nullptr; });
            shoot(QStringLiteral("12-error-page"));
            // Without the alert: the page counts down to its next try by itself.
            if (Alert* alert = Alert::visibleAlert())
                alert->dismiss();
            waitFor(2000, [] { return false; });
            shoot(QStringLiteral("12-error-page-countdown"));
        }
    }
    // The document reader on a guide of the town (made with QPdfWriter, its outline added by qpdf
    // where qpdf is installed), its contents, page grid and search, then its settings screen.
    {
        const QStringList pages = {
            QStringLiteral("Visitor guide\n\nWelcome to the town. This guide lists the museum, the library and the bus lines."),
            QStringLiteral("The museum\n\nThe museum opens at ten. The museum shop sells maps of the old town."),
            QStringLiteral("The library\n\nThe library lends books, films and music. Ask at the desk for a card."),
            QStringLiteral("Bus lines\n\nLine 1 runs from the station to the museum every ten minutes."),
        };
        QByteArray guide = test::writePdf(QStringLiteral("Visitor guide"), pages);
        const QByteArray outlined = test::withOutline(
            guide, {{QStringLiteral("Welcome"), 0, {}}, {QStringLiteral("Places"), 1, {{QStringLiteral("The museum"), 1, {}}, {QStringLiteral("The library"), 2, {}}}},
                    {QStringLiteral("Bus lines"), 3, {}}},
            {{0, QStringLiteral("/D")}});
        if (!outlined.isEmpty())
            guide = outlined;
        const QString path = Paths::documentsDirectory() + QStringLiteral("/Visitor guide.pdf");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(guide) == guide.size()) {
            file.close();
            // The error page's alert and the download panel of the steps before are gone first.
            if (Alert* alert = Alert::visibleAlert())
                alert->dismiss();
            for (KVFileDownloader* download : KVFileDownloader::running())
                download->cancel();
            waitFor(5000, [] { return !KVWaitingDownloadProgressView::sharedView()->isVisible(); });
            for (Toast* toast : Toast::visibleToasts())
                toast->remove();
            KVReaderVC* reader = KVReaderVC::getPDFViewerClassObject(QUrl::fromLocalFile(path));
            stack->push(reader, NavigationStack::Animation::None);
            // The pages come from the document's helper: shot once they are drawn.
            waitFor(5000, [&] {
                reader->grab();
                return reader->state() == KVReaderVC::State::Shown && reader->pageView()->settled();
            });
            shoot(QStringLiteral("15-reader"));
            reader->toggleTableOfContentsView();
            shoot(QStringLiteral("15-reader-contents"));
            if (ReaderContentsPanel* contents = reader->contentsPanel()) {
                contents->setMode(ReaderContentsPanel::Mode::Pages);
                waitFor(1500);
                shoot(QStringLiteral("15-reader-pages"));
            }
            reader->toggleTableOfContentsView();
            reader->showSearchView();
            if (ReaderSearchPanel* search = reader->searchPanel()) {
                search->search(QStringLiteral("museum"));
                waitFor(3000, [&] { return search->matches().size() >= 4; });
                shoot(QStringLiteral("15-reader-search"));
            }
            stack->pop(NavigationStack::Animation::None);
            // A document whose page breaks its helper: the reader says it cannot be shown.
            const QString hostile = Paths::documentsDirectory() + QStringLiteral("/Price list.pdf");
            QFile bomb(hostile);
            const QByteArray bytes = test::inflatingContent(1000);
            // The walk leaves it out: its helper takes many seconds to give up, under the suite's time.
            if (!walkOnly && bomb.open(QIODevice::WriteOnly) && bomb.write(bytes) == bytes.size()) {
                bomb.close();
                KVReaderVC* failed = KVReaderVC::getPDFViewerClassObject(QUrl::fromLocalFile(hostile));
                stack->push(failed, NavigationStack::Animation::None);
                waitFor(60000, [&] {
                    failed->grab();
                    return failed->state() == KVReaderVC::State::Failed;
                });
                shoot(QStringLiteral("15-reader-failed"));
                stack->pop(NavigationStack::Animation::None);
            }
            stack->push(KVSearchSettingsViewController::pdfViewerSettings(), NavigationStack::Animation::None);
            shoot(QStringLiteral("16-pdf-viewer-settings"));
            stack->pop(NavigationStack::Animation::None);
        }
    }
    // Idle behaviour: its settings screens, an image screensaver, the dimmed screen, the motion lock.
    {
        for (Toast* toast : Toast::visibleToasts())
            toast->remove();
        if (Alert* alert = Alert::visibleAlert())
            alert->dismiss();
        KVBrowserPrefSettings& idle = KVSettings::getSettingsObject().kvBrowPref;
        idle.enableScreenSaver = true;
        idle.screenSaverURL = QStringLiteral("Museum poster.png");
        idle.enableScheduleSuspend = true;
        idle.alwaysSavePower = false;
        idle.startTime = QTime(22, 0);
        idle.endTime = QTime(6, 30);
        idle.daysSelected = QVariantMap{{QStringLiteral("Mon"), true}, {QStringLiteral("Tue"), true}, {QStringLiteral("Wed"), true},
                                        {QStringLiteral("Thu"), true}, {QStringLiteral("Fri"), true}};
        KVSettings::getSettingsObject().save();
        stack->showNavigationBar();
        stack->push(new KVScreenSaverSettingsViewController, NavigationStack::Animation::None);
        shoot(QStringLiteral("17-screensaver-settings"));
        stack->pop(NavigationStack::Animation::None);
        stack->push(new KVPowerSaverSettingsViewController, NavigationStack::Animation::None);
        shoot(QStringLiteral("17-power-saver-settings"));
        stack->pop(NavigationStack::Animation::None);
        auto* motion = new KVMotionDetectionSettingsViewController;
        stack->push(motion, NavigationStack::Animation::None);
        shoot(QStringLiteral("17-motion-detection-settings"));
        motion->openSensitivity();
        shoot(QStringLiteral("17-motion-sensitivity"));
        stack->pop(NavigationStack::Animation::None);
        stack->pop(NavigationStack::Animation::None);

        // A poster of our own as the screensaver image.
        QImage poster(1600, 1000, QImage::Format_RGB32);
        {
            QPainter painter(&poster);
            QLinearGradient sky(0, 0, 0, poster.height());
            sky.setColorAt(0, QColor(23, 105, 214));
            sky.setColorAt(1, QColor(10, 40, 90));
            painter.fillRect(poster.rect(), sky);
            painter.setPen(Qt::white);
            QFont big = painter.font();
            big.setPixelSize(110);
            big.setBold(true);
            painter.setFont(big);
            painter.drawText(poster.rect().adjusted(0, 0, 0, -200), Qt::AlignCenter, QStringLiteral("Town museum"));
            big.setPixelSize(56);
            big.setBold(false);
            painter.setFont(big);
            painter.drawText(poster.rect().adjusted(0, 240, 0, 0), Qt::AlignCenter, QStringLiteral("Open every day from ten"));
        }
        poster.save(Paths::documentsDirectory() + QStringLiteral("/Museum poster.png"));
        KVScreensaver::getScreensaverObject()->playMovie();
        waitFor(300);
        shoot(QStringLiteral("18-screensaver-image"));
        KVScreensaver::getScreensaverObject()->stopMovie();
        if (PowerSaver* saver = PowerSaver::current()) {
            saver->powerStateOn();
            waitFor(300);
            shoot(QStringLiteral("19-power-saver-dimmed"));
            saver->powerStateOff();
        }
        if (shell.delegate().showDrivingModeView) {
            shell.delegate().showDrivingModeView(true);
            waitFor(300);
            shoot(QStringLiteral("20-motion-lock"));
            shell.delegate().showDrivingModeView(false);
        }
        // Off again: the administration screens that follow are shot as an administrator sees them,
        // not under a screensaver that an idle timeout started.
        idle.enableScreenSaver = false;
        idle.enableScheduleSuspend = false;
        KVSettings::getSettingsObject().save();
        KVScreensaver::getScreensaverObject()->stopMovie();
    }
    tourTabs(stack);
    tourAdministration(stack);
    // The upload page as a visitor's browser on the same network shows it.
    {
        KVServerStarter uploads(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                                Paths::resourceFile(QStringLiteral("korvel_error.html")));
        if (uploads.startServerConnectionWith(0)) {
            QWebEngineProfile visitor;
            QWebEngineView view;
            view.setPage(new QWebEnginePage(&visitor, &view));
            view.setGeometry(QGuiApplication::primaryScreen()->geometry());
            view.show();
            bool loaded = false;
            QObject::connect(&view, &QWebEngineView::loadFinished, [&] { loaded = true; });
            view.load(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(uploads.getPortNumber())));
            waitFor(15000, [&] { return loaded; });
            waitFor(1500);
            shoot(QStringLiteral("14-upload-page"));
            uploads.stopServerConnection();
        }
    }
    // The pictures are written; the virtual keyboard's window does not survive the normal
    // teardown order of a program that ends right after showing it, and nothing here needs it.
    for (const QString& offender : std::as_const(lookOffenders))
        std::fprintf(stderr, "look: %s\n", qPrintable(offender));
    if (checkLook || checkFit || walkOnly)
        std::fprintf(stderr, "look: %lld offender(s)\n", static_cast<long long>(lookOffenders.size()));
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(failures == 0 && lookOffenders.isEmpty() ? 0 : 1);
}
