#pragma once

#include "browser/DialogGuard.h"

#include <QWebEnginePage>

namespace korvel {

// A page made for a window, or for a page's request for a new window: the candidate's first
// navigation is decided as a new window's.
enum class PageRole { Window, NewWindowCandidate };

class PageHost;

// A page of a browser window: every navigation, new window, page dialog and file chooser goes
// through the window's rules.
class KVWebPage final : public QWebEnginePage {
    Q_OBJECT
public:
    KVWebPage(PageHost* window, PageRole role, QObject* parent = nullptr);

    bool isPopupCandidate() const { return m_opensNewWindow; }
    // A page's new window opened as a tab: the tab's window decides for the page from now on.
    void setWindow(PageHost* window) { m_window = window; }
    // Ends the page's full screen; false when it was not in full screen.
    bool leaveFullScreen();
    // No system file dialog ever opens from a page: the window's picker answers, with files of the
    // documents directory only.
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles, const QStringList& acceptedMimeTypes) override;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                          QString* result) override;

private:
    // Whether the page may put up one more dialog (logs the start of its suppression).
    bool mayShowDialog();
    void dialogFinished();

    PageHost* m_window;
    bool m_opensNewWindow;
    bool m_fullScreen = false;
    DialogGuard m_dialogs;
};

}  // namespace korvel
