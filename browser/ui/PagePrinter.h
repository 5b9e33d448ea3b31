#pragma once

#include "browser/PrintGuard.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWebEngineView;
class QWidget;

namespace korvel {

// Prints a window's pages: on a printer through the print dialog when the device has one,
// otherwise into a PDF file in the documents directory. Every print passes the print guard first.
class PagePrinter final : public QObject {
    Q_OBJECT
public:
    // `window` holds the dialogs and alerts; `lastUserInput` says when a person last touched the page.
    PagePrinter(QWidget* window, std::function<QDateTime()> lastUserInput);

    // Whether a print asked for by `source` may go ahead now; a refusal is logged once per run.
    bool mayPrint(PrintGuard::Source source);
    // Prints `printed`, named `job` (the page's address).
    void print(QWebEngineView* printed, const QString& job);

Q_SIGNALS:
    // A page was printed into this PDF file (when no printer is set up).
    void printedToFile(const QString& path);

private:
    void printOnPrinter(QWebEngineView* printed, const QString& job);
    void failed(const QString& domain, unsigned code);

    QPointer<QWidget> m_window;
    std::function<QDateTime()> m_lastUserInput;
    PrintGuard m_guard;
};

}  // namespace korvel
