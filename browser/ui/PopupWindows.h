#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

class QWebEngineView;
class QWebEnginePage;

namespace korvel {

class KVWebPage;
class PageHost;

// The pages a window's page opens as new windows: the candidate page that waits for a new
// window's first navigation, and the one pop-up shown over the window.
class PopupWindows final : public QObject {
    Q_OBJECT
public:
    // `host` decides for the pop-ups' pages; they are shown over `window`.
    PopupWindows(PageHost* host, QWidget* window);

    // A page for a new window's first navigation, which decides where (and whether) it opens.
    QWebEnginePage* createCandidate();
    // Lets go of a candidate that will not be shown; safe from inside the engine's call on it.
    void release(KVWebPage* candidate);
    // Shows `candidate` as the window's pop-up, in place of any earlier one.
    void show(KVWebPage* candidate);
    // Closes the pop-up (its frame, view and page go together); nothing when none is shown.
    void close();
    QWebEngineView* view() const { return m_popup; }

private:
    PageHost* m_host;
    QWidget* m_window;
    QPointer<QWebEngineView> m_popup;
    // The page made for a new window that has not navigated yet.
    QPointer<KVWebPage> m_pendingCandidate;
};

}  // namespace korvel
