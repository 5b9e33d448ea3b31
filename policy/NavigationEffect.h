#pragma once

#include <QList>
#include <QString>
#include <QUrl>

namespace korvel {

// One thing the browser window must do because of a policy decision, in the order given.
struct NavigationEffect {
    enum class Kind {
        Toast,               // text, shown where `place` says
        Alert,               // title and text; closes itself after `seconds`
        Log,                 // category and text, for the event log
        PostNotification,    // text is the notification's name
        Home,                // the Home action: back to the home screen
        LoadRequest,         // load url in the web view (a fresh request)
        LoadHTML,            // load text as "text/html" in UTF-8 with url as the base
        LoadFile,            // load the local file url in the web view
        OpenReader,          // push the document reader for url
        OpenExternally,      // hand url to another application
        LaunchApp,           // hand the launch request text to the application launcher
        StopLoading,         // the web view stops loading
        EvaluateScript,      // run text in the web view, result ignored
        PushTransitionFromLeft,  // a 0.3 second push transition from the left on the window's view
        LoadVisibleWebSites,     // show the tabbed home page or the selected website
        PopToRootAndDisappear,   // single window: back to the root, then the tab's disappear steps
        CloseActiveWebView,      // close a pop-up web view
        RetryFailedPage,         // reload the page that failed (firstToReload)
        ResetIdleTimer,
        HomePageBars,        // tabbed home page: menu and options hidden; downloads bar per `flag`
        FileBars,            // tabbed file page: bars per the toolbar and menu preferences
        WindowBars,          // single window: bars per the toolbar and menu preferences
        PopWindow,           // leave the window (animated when `flag`)
        ShowFile,            // offer the local file url in the document sheet
        StartDownload,       // download url into the documents directory
        RecordDownload,      // append an in-progress history entry for url and save
        LoadErrorPage,       // the program's own error page
    };
    enum class Place { WindowView, WebView, KeyWindow };

    Kind kind = Kind::Toast;
    QString text;
    QString category;  // Log; the alert's title for Alert
    QUrl url;
    Place place = Place::WindowView;
    bool flag = false;  // HomePageBars: downloads bar shown
    int seconds = 0;    // Alert

    static NavigationEffect toast(const QString& text, Place place)
    {
        NavigationEffect e;
        e.text = text;
        e.place = place;
        return e;
    }
    static NavigationEffect log(const QString& category, const QString& text)
    {
        NavigationEffect e;
        e.kind = Kind::Log;
        e.category = category;
        e.text = text;
        return e;
    }
    static NavigationEffect with(Kind kind, const QUrl& url = QUrl(), const QString& text = QString())
    {
        NavigationEffect e;
        e.kind = kind;
        e.url = url;
        e.text = text;
        return e;
    }

    // One line for people and tests: "toast: ...", "log: Category: ...", "load: URL", "home".
    QString describe() const;

    bool operator==(const NavigationEffect&) const = default;
};

using NavigationEffects = QList<NavigationEffect>;

}  // namespace korvel
