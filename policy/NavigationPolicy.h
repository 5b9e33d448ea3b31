#pragma once

#include "policy/LocalServerAddress.h"
#include "policy/NavigationEffect.h"
#include "policy/PolicyIndex.h"
#include "settings/allowedWebsite.h"

#include <QUrl>

#include <functional>
#include <optional>

namespace korvel {

class KVSettings;

enum class NavigationType { LinkActivated, Other };
enum class Verdict { Allow, Cancel };
enum class WindowMode { SingleWindow, Tabbed };
// Which frame of the page navigates: the page itself, or a frame inside it (possibly another site's).
enum class NavigationFrame { Main, Sub };

// What a web view is about to do.
struct NavigationAction {
    QUrl url;
    NavigationType type = NavigationType::LinkActivated;
    bool opensNewWindow = false;  // the page asked for a new window (no target frame)
    NavigationFrame frame = NavigationFrame::Main;
    QUrl page;  // for a frame: the address of the page it is in
};

// The online viewer that shows documents the engine cannot ("Show Files Using Google Docs"); the
// viewer's page is itself put to the policy, so its host must be allowed.
inline constexpr QLatin1String kDocumentViewerPrefix("https://docs.google.com/viewer?embedded=true&url=");

// The browser window's fields the decision reads and writes.
struct BrowserWindowState {
    std::optional<allowedWebsite> selectedWebsite;
    qint64 selectedCategoryId = 0;
    std::optional<QUrl> firstToReload;
    std::optional<LocalServerAddress> localServerPath;  // the upload server, while it is switched on
    QString strForGoogleDocUrl;  // the document viewer prefix; empty when none is used
    bool runAtStartup_bool = false;
    bool tabControllerOnTop = false;  // the tab controller is the visible screen
};

// What the decision needs from outside, passed in so it can be tested and run from a command line.
struct NavigationServices {
    // Reads a local upload-server page as UTF-8 text, synchronously; nothing on failure.
    std::function<std::optional<QString>(const QUrl&)> readPage;
    // Whether another application would open the address.
    std::function<bool(const QUrl&)> canOpenExternally;
    QString vendorIdentifier;
    QString documentsDirectory;
    QString errorPageFile;   // the program's own error page
    QString homePageFile;    // the program's own copy of the tabbed home page
    QString appStoreHost;    // empty: no store application to hand links to

    // The real services of this device: no page reader and no external applications unless set.
    static NavigationServices standard();
};

struct NavigationDecision {
    Verdict verdict = Verdict::Cancel;
    NavigationEffects effects;
};

// The one answer to "may this web view go there?": allow or cancel, with what must happen on the
// way, in order. It reads the settings afresh at every call, so a change shows at the very next
// navigation; the lists are looked up through an index rebuilt whenever a list changes.
class NavigationPolicy {
public:
    NavigationDecision decide(const KVSettings& settings, const NavigationAction& action, BrowserWindowState& window,
                              const NavigationServices& services, WindowMode mode);

    // Addresses no setting opens: the engine's own pages, scripts as addresses, files outside the
    // documents directory (the program's own error page excepted).
    static bool isNeverAllowed(const QUrl& url, const NavigationServices& services);
    // Whether a file address lies inside the documents directory.
    static bool isInsideDocuments(const QUrl& url, const NavigationServices& services);

    PolicyIndex& index() { return m_index; }

private:
    PolicyIndex m_index;
};

}  // namespace korvel
