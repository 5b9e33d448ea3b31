#include "browser/ui/PagePrinter.h"

#include "files/VisitQuota.h"
#include "files/VisitorFiles.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStorageInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace korvel {

PagePrinter::PagePrinter(QWidget* window, std::function<QDateTime()> lastUserInput)
    : QObject(window)
    , m_window(window)
    , m_lastUserInput(std::move(lastUserInput))
{
}

bool PagePrinter::mayPrint(PrintGuard::Source source)
{
    PrintGuard::Request request;
    request.source = source;
    request.now = Clock::instance().now();
    request.lastUserInput = m_lastUserInput ? m_lastUserInput() : QDateTime();
    // Without a printer the page becomes a file in Documents (see print).
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        request.freeBytes = QStorageInfo(Paths::documentsDirectory()).bytesAvailable();
        request.quotaLeft = VisitQuota::shared().left(KVSettings::getSettingsObject().kvBrowPref);
    }
    const PrintGuard::Decision decision = m_guard.request(request);
    if (decision.log)
        KVLog(QStringLiteral("Webview"), QStringLiteral("Print Request refused: %@"), PrintGuard::describe(decision.verdict));
    if (decision.verdict == PrintGuard::Verdict::QuotaUsed && source == PrintGuard::Source::Person && m_window)
        makeToast(m_window, qtTrId("TEXT_DOWNLOAD_QUOTA_REACHED"));
    return decision.verdict == PrintGuard::Verdict::Print;
}

void PagePrinter::print(QWebEngineView* printed, const QString& job)
{
    KVLog(QStringLiteral("Webview"), QStringLiteral("Print Request for Webpage: %@"), job);
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        printOnPrinter(printed, job);
        return;
    }
    // Without a print service on the device the page is kept as a PDF file in the documents
    // directory, where the administrator can collect it.
    const QString path = Paths::documentsDirectory() + QStringLiteral("/Print ")
                         + Clock::instance().now().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")) + QStringLiteral(".pdf");
    connect(printed->page(), &QWebEnginePage::pdfPrintingFinished, this,
            [this, path](const QString& file, bool success) {
                if (file != path)
                    return;
                if (!success) {
                    failed(QStringLiteral("QtWebEngine"), 0u);
                    return;
                }
                // The printout counts against the visit like a download; one that does not fit goes.
                if (!VisitQuota::shared().take(QFileInfo(path).size(), KVSettings::getSettingsObject().kvBrowPref)) {
                    QFile::remove(path);
                    KVLog(QStringLiteral("Webview"), QStringLiteral("Print Request refused: %@"),
                          PrintGuard::describe(PrintGuard::Verdict::QuotaUsed));
                    if (m_window)
                        makeToast(m_window, qtTrId("TEXT_DOWNLOAD_QUOTA_REACHED"));
                    return;
                }
                const QString notRecorded = DocumentOrigins::recordInHome(path, DocumentOrigin::Printout);
                if (!notRecorded.isEmpty())
                    KVLog(QStringLiteral("Webview"), QStringLiteral("Origin of %@ not recorded: %@"), path, notRecorded);
                KVLog(QStringLiteral("Webview"), QStringLiteral("Print Result! Job Successful!"));
                // The visitor's printout is offered to no later visitor's page.
                VisitorFiles::shared().record(path);
                Q_EMIT printedToFile(path);
            },
            Qt::SingleShotConnection);
    printed->page()->printToPdf(path, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
}

void PagePrinter::printOnPrinter(QWebEngineView* printed, const QString& job)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(job);
    printer->setDuplex(QPrinter::DuplexLongSide);
    QPrintDialog dialog(printer, m_window);
    // The dialog chooses a printer and pages; it never writes a file anywhere on the device.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        failed(QStringLiteral("QtPrintSupport"), 0u);
        return;
    }
    connect(printed, &QWebEngineView::printFinished, this,
            [this, printer](bool success) {
                delete printer;
                if (!success) {
                    failed(QStringLiteral("QtPrintSupport"), 1u);
                    return;
                }
                KVLog(QStringLiteral("Webview"), QStringLiteral("Print Result! Job Successful!"));
            },
            Qt::SingleShotConnection);
    printed->print(printer);
}

void PagePrinter::failed(const QString& domain, unsigned code)
{
    auto* alert = new Alert(qtTrId("BROWSER_PRINTER"), qtTrId("BROWSER_PRINT_FAILED"));
    alert->addButton(qtTrId("BROWSER_OK"), Alert::Role::Cancel);
    alert->showOver(m_window);
    KVLog(QStringLiteral("Error"), QStringLiteral("Print Failed! Due to error in domain %@ with error code %u"), domain, code);
}

}  // namespace korvel
