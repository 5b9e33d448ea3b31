#include "cli/AdvancedCommand.h"
#include "cli/BlockedCommand.h"
#include "cli/CategoriesCommand.h"
#include "cli/CloudCommand.h"
#include "cli/DomainCommand.h"
#include "cli/DownloadsCommand.h"
#include "cli/FilesCommand.h"
#include "cli/IconsCommand.h"
#include "cli/LearnCommand.h"
#include "cli/KeysCommand.h"
#include "cli/LogCommand.h"
#include "cli/PasswordCommand.h"
#include "cli/PolicyCommand.h"
#include "cli/PowerCommand.h"
#include "cli/RemoteCommand.h"
#include "cli/SelftestCommand.h"
#include "cli/PrefCommand.h"
#include "cli/SettingsCommand.h"
#include "cli/SitesCommand.h"
#include "cli/TransferCommand.h"
#include "control/ControlCommand.h"
#include "log/KVLogger.h"
#include "log/PreferenceChangeLog.h"
#include "platform/DocumentOrigins.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "settings/KVSettings.h"
#include "platform/Version.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The home of the kiosk that the package installs (KORVEL_HOME of korvel-kiosk.service).
const char* const kioskHome = "/var/lib/korvel";

// Run as root on a kiosk user's home directory, korvelctl acts as that user: the files it writes
// must stay readable by the Korvel that runs there (a keychain owned by root reads as damaged).
// Returns false when it could not become that user.
bool actAsHomeOwner(QTextStream& err)
{
    const QString home = korvel::Paths::home();
    struct stat info {};
    if (home.isEmpty() || geteuid() != 0 || ::stat(QFile::encodeName(home).constData(), &info) != 0 || info.st_uid == 0)
        return true;
    if (setgroups(0, nullptr) != 0 || setgid(info.st_gid) != 0 || setuid(info.st_uid) != 0) {
        err << "korvelctl: cannot act as the owner of " << home << " (uid " << info.st_uid << ")\n";
        return false;
    }
    return true;
}

const char* usage =
    "Usage: korvelctl [--home DIR] COMMAND\n"
    "\n"
    "Administers a Korvel home directory without a display. While Korvel runs on the home, every\n"
    "change is sent to it over its control socket and made there, as the settings screens make it;\n"
    "otherwise korvelctl writes the files itself, holding the home's lock. A line on standard error\n"
    "says which happened.\n"
    "\n"
    "Options:\n"
    "  --home DIR       the Korvel home directory (default: $KORVEL_HOME; for root the installed\n"
    "                   kiosk's /var/lib/korvel; else the XDG directories)\n"
    "  -h, --help       show this help\n"
    "  -v, --version    show the version\n"
    "\n"
    "Commands:\n"
    "  pref get KEY         print one browser preference\n"
    "  pref set KEY VALUE   change one browser preference (typed: true/false, integers, text,\n"
    "                       times as \"09:30 AM\", days as \"Mon,Tue,Fri\"); a number outside\n"
    "                       the preference's allowed values is refused\n"
    "  pref list            print every browser preference as KEY = VALUE\n"
    "  pref list --describe print every preference's type, factory value and allowed values\n"
    "\n"
    "  sites list           print the allowed websites, one a line:\n"
    "                       INDEX id=ID category=ID url=URL title=\"TITLE\" [FLAG...]\n"
    "  sites add URL [--protocol http|https|file] [--title T] [--icon PATH] [--category ID]\n"
    "                [--startup] [--error-page] [--subdomains] [--only-this] [--hide] [--favicon]\n"
    "                [--update]\n"
    "                       add an allowed website (protocol http unless given; an empty title\n"
    "                       is made from the URL; one start page and one error page at most);\n"
    "                       an address already listed is refused, or with --update changed as\n"
    "                       \"sites update\" would change it\n"
    "  sites update INDEX [URL] [the options of add] [--no-startup] [--no-error-page]\n"
    "                [--no-subdomains] [--no-only-this] [--no-hide] [--no-favicon]\n"
    "                       change only what is given of the website at INDEX (with --protocol,\n"
    "                       give the URL again: the stored one keeps its old scheme)\n"
    "  sites remove INDEX   delete the allowed website at INDEX\n"
    "\n"
    "  categories list      print the categories: INDEX id=ID title=\"TITLE\" icon=ICON\n"
    "  categories add TITLE [--icon PATH]\n"
    "  categories rename INDEX TITLE [--icon PATH]\n"
    "  categories remove INDEX   its websites return to the top of the home screen\n"
    "\n"
    "  blocked list         print the blocked websites: INDEX url=URL title=\"TITLE\" protocol=P\n"
    "  blocked add URL [--protocol http|https|file]\n"
    "                       a host written *.example.com blocks only its sub-domains\n"
    "  blocked update INDEX URL [--protocol http|https|file]\n"
    "  blocked remove INDEX\n"
    "\n"
    "  learn start          record the hosts the allowed websites' pages load from (and the\n"
    "                       navigations refused) until \"learn stop\"\n"
    "  learn stop\n"
    "  learn show           print what was recorded, per allowed website (the running kiosk\n"
    "                       writes it within two seconds)\n"
    "  learn apply [--yes]  show the hosts that strict mode would refuse on each website's pages,\n"
    "                       then (asked, or with --yes) add them to its \"also allowed for\n"
    "                       loading\" list\n"
    "\n"
    "  advanced show        print AllowAllWebsites, AllowContentBlocking and StrBlockedKeyWord\n"
    "  advanced set [--allow-all on|off] [--content-blocking on|off] [--keywords \"w1,w2\"]\n"
    "                       content blocking needs at least one keyword\n"
    "\n"
    "  icons reset          put the home screen icons back into the default layout\n"
    "\n"
    "  password set         store a new administrator password, read from standard input (asked\n"
    "                       for twice, without echo, on a terminal); a damaged password store is\n"
    "                       set aside and replaced\n"
    "  password check       tell whether the password on standard input is the administrator's:\n"
    "                       exit status 0 right, 1 wrong or none set, 3 the store is damaged\n"
    "\n"
    "  files list           print the documents directory's files as the upload server lists them\n"
    "  files put FILE [--folder DIR]\n"
    "                       copy FILE into the documents directory (below DIR), as an upload would\n"
    "  files delete NAME    delete a file named relative to the documents directory\n"
    "\n"
    "  downloads list       print the download history, oldest first\n"
    "  downloads clear      empty the download history (the files stay; files delete removes them)\n"
    "\n"
    "  log [--category NAME]... [--desc] [--search TEXT]\n"
    "                       print the event log as \"DATE TIME: CATEGORY: EVENT\", oldest first\n"
    "                       (--desc: newest first); --category may repeat, no --category shows\n"
    "                       every category (the viewer's are Warning, Error, AutoImport, Database,\n"
    "                       Export, Import, Settings, Webview, URL_action and App General);\n"
    "                       --search keeps lines containing TEXT, ignoring case\n"
    "  log clear            delete every entry of the event log\n"
    "\n"
    "  power status [--at \"YYYY-MM-DD HH:MM\"]\n"
    "                       what the power-saver schedule decides now (or at that local time)\n"
    "                       and when that next changes\n"
    "\n"
    "  selftest [--json]    check the lockdown of the kiosk running on the home (or of one started\n"
    "                       without a display for the test): its user, the engine's sandbox and\n"
    "                       hardening switches, the window manager, X on TCP, terminal switching,\n"
    "                       who may change its programs, home and managed file, the factory\n"
    "                       password, the upload server and the control socket; each probe\n"
    "                       passed, warning or failed with what to do. --json: an object whose\n"
    "                       \"probes\" list holds {name, result, advice, detail}. Exit status 0\n"
    "                       all passed, 1 warnings, 2 failures\n"
    "\n"
    "  export NAME [--clear-password]\n"
    "                       write the settings document (every setting, the password's hash and\n"
    "                       the files the settings name) to NAME in the documents directory; NAME\n"
    "                       must end in .plist. --clear-password reads the administrator password\n"
    "                       from standard input, checks it, and writes it readable (\"Password\",\n"
    "                       Base64) instead of its hash, for a peer that needs it\n"
    "  export --pellmor     write Korvel_PellmorConfig.txt, the document wrapped for Pellmor\n"
    "  import NAME|URL      apply a settings document: a file of the documents directory, or an\n"
    "                       http/https URL; a document that cannot be read changes nothing. Once\n"
    "                       the kiosk trusts signing keys, the document must be signed by one\n"
    "  import --dry-run NAME|URL\n"
    "                       print what the import would change (preferences old -> new, websites,\n"
    "                       files, password, signature) and change nothing; exit status 2 when it\n"
    "                       would be refused\n"
    "  managed check FILE   the same for a managed configuration file (SettingsXML, Enforced)\n"
    "  settings history     print the last 10 settings applied here (time, source, fingerprints)\n"
    "  settings rollback [N]\n"
    "                       put the settings of entry N of the history back (default 1, the ones\n"
    "                       before the last); the documents given up are not applied again by the\n"
    "                       automatic import or the managed configuration\n"
    "  reset --yes          back to factory settings and the password 9246; the download\n"
    "                       history and the documents directory stay\n"
    "\n"
    "  cloud export [--id ID] [--service URL]\n"
    "                       store the settings document in the cloud settings service: under a\n"
    "                       new cloud ID (printed), or over the document of ID\n"
    "  cloud import ID [--service URL]\n"
    "                       apply the settings document stored under ID\n"
    "  cloud history        print the cloud IDs used here, newest first\n"
    "\n"
    "  autoimport set URL|--file NAME|--cloud ID [--minutes N]\n"
    "                       follow a settings document: an http/https address, a file of the\n"
    "                       documents directory or a cloud ID, looked at every N minutes (1-1000)\n"
    "  autoimport off       stop following it\n"
    "  autoimport show      print the automatic import's source, location and period\n"
    "                       (the service: --service, else $KORVEL_CLOUD_SERVICE, else the managed\n"
    "                       configuration's CloudService)\n"
    "\n"
    "  keys new NAME [--dir DIR]\n"
    "                       make an Ed25519 signing key pair: NAME.key (secret, mode 0600) and\n"
    "                       NAME.pub (for /etc/korvel/trusted-keys.d/ on the kiosks); needs no home\n"
    "  sign FILE --key NAME.key\n"
    "                       sign the settings document FILE (any earlier signature is replaced);\n"
    "                       needs no home\n"
    "\n"
    "  remote token         make this kiosk's remote control token; it is printed once, as the last\n"
    "                       line, and only its hash is kept\n"
    "  remote fingerprint   print the certificate fingerprint this kiosk's remote control presents\n"
    "  remote mqtt-password read the MQTT broker's password from standard input and keep it readable\n"
    "                       only by Korvel's user; an empty line removes it\n"
    "  remote --url https://HOST:PORT --token-file FILE [--fingerprint FP | --insecure] CALL\n"
    "                       call another kiosk's remote control API; CALL is status, metrics,\n"
    "                       screenshot --out FILE, navigate URL [--seconds N], reload, home,\n"
    "                       end-visit, screen on|off [--brightness X], screensaver start|stop,\n"
    "                       restart, settings FILE, log [--since \"YYYY-MM-DD HH:MM:SS\"]\n"
    "\n"
    "  policy check [--tabbed] [--type link|other] [--new-window] URL\n"
    "                       the browser's decision for URL in a fresh window: \"allow\" or\n"
    "                       \"cancel\", then one line per effect (toast, log entry, home, load...);\n"
    "                       nothing is written to the log\n"
    "  domain TEXT          split the host of TEXT at its public suffix: rootDomain,\n"
    "                       topLevelDomain, secondLevelDomain, subDomain (or \"no result\")\n"
    "\n"
    "INDEX is the 0-based number that \"list\" prints; \"--\" ends the options, so a text that starts\n"
    "with \"--\" can follow it. Every change is recorded in the event log, as the screens record it.\n"
    "\n"
    "Exit status: 0 on success, 1 when the settings could not be saved (or the running Korvel could\n"
    "not be reached), 2 for bad usage or values and for refused edits (nothing is written then).\n";

}  // namespace

int main(int argc, char** argv)
{
    // A file-size limit fails a write, reported as a failure, instead of ending korvelctl.
    korvel::AtomicFile::ignoreFileSizeSignal();
    // What korvelctl writes into Documents is the administrator's.
    korvel::DocumentOrigins::setAdministrator(korvel::DocumentOrigin::Korvelctl);
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);

    // After "--" every argument is a command's text (a title "--help" is a title), and stays
    // there for the command's own option reading.
    const qsizetype optionsEnd = arguments.contains(QStringLiteral("--")) ? arguments.indexOf(QStringLiteral("--"))
                                                                          : arguments.size();
    // Keys and signatures are made where the administrator keeps the secret key: no home, no
    // lock, no change of user.
    if (arguments.size() >= 2 && (arguments.at(1) == QLatin1String("keys") || arguments.at(1) == QLatin1String("sign"))) {
        QStringList rest = arguments.mid(2);
        rest.removeOne(QStringLiteral("--"));
        return arguments.at(1) == QLatin1String("keys") ? korvel::runKeysCommand(rest, out, err) : korvel::runSignCommand(rest, out, err);
    }
    if (!korvel::Paths::configureFromArguments(arguments.mid(0, optionsEnd))) {
        err << "korvelctl: --home needs a directory\n";
        return korvel::ExitStatus::Refused;
    }
    // Root administers the installed kiosk: its home, unless --home or KORVEL_HOME names another.
    if (korvel::Paths::home().isEmpty() && geteuid() == 0 && QFileInfo(QLatin1String(kioskHome)).isDir())
        korvel::Paths::setHome(QLatin1String(kioskHome));
    if (!actAsHomeOwner(err))
        return korvel::ExitStatus::Failed;
    QStringList command;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (i >= optionsEnd) {
            command.append(a);
            continue;
        }
        if (a == QLatin1String("--home")) {
            ++i;
            continue;
        }
        if (a.startsWith(QLatin1String("--home=")))
            continue;
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            out << usage;
            return korvel::ExitStatus::Done;
        }
        if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            out << "korvelctl " << korvel::version::shortVersion << " (build " << korvel::version::buildNumber << ")\n";
            return korvel::ExitStatus::Done;
        }
        // Before the command only korvelctl's own options stand; the command reads the rest.
        if (command.isEmpty() && a.startsWith(QLatin1Char('-'))) {
            err << "korvelctl: unknown option \"" << a << "\"; see korvelctl --help\n";
            return korvel::ExitStatus::Refused;
        }
        command.append(a);
    }

    if (command.isEmpty()) {
        err << usage;
        return korvel::ExitStatus::Refused;
    }
    using Runner = int (*)(const QStringList&, QTextStream&, QTextStream&);
    const struct {
        const char* name;
        Runner run;
    } groups[] = {
        {"pref", korvel::runPrefCommand},
        {"sites", korvel::runSitesCommand},
        {"categories", korvel::runCategoriesCommand},
        {"blocked", korvel::runBlockedCommand},
        {"learn", korvel::runLearnCommand},
        {"advanced", korvel::runAdvancedCommand},
        {"icons", korvel::runIconsCommand},
        {"log", korvel::runLogCommand},
        {"power", korvel::runPowerCommand},
        {"selftest", korvel::runSelftestCommand},
        {"password", korvel::runPasswordCommand},
        {"files", korvel::runFilesCommand},
        {"downloads", korvel::runDownloadsCommand},
        {"policy", korvel::runPolicyCommand},
        {"domain", korvel::runDomainCommand},
        {"export", korvel::runExportCommand},
        {"import", korvel::runImportCommand},
        {"managed", korvel::runManagedCommand},
        {"settings", korvel::runSettingsCommand},
        {"keys", korvel::runKeysCommand},
        {"sign", korvel::runSignCommand},
        {"reset", korvel::runResetCommand},
        {"cloud", korvel::runCloudCommand},
        {"autoimport", korvel::runAutoImportCommand},
        {"remote", korvel::runRemoteCommand},
    };
    for (const auto& group : groups) {
        if (command.first() != QLatin1String(group.name))
            continue;
        // The editing operations record what they change, as they do when the screens call them.
        korvel::KVLogger::createDatabase_Tables();
        korvel::PreferenceChangeLog::install();
        korvel::KVSettings::registerStoredLists();
        return group.run(command.mid(1), out, err);
    }

    err << "korvelctl: unknown command \"" << command.first() << "\"; see korvelctl --help\n";
    return korvel::ExitStatus::Refused;
}
