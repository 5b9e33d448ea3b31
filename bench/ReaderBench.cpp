// One run: a 500-page document (made here with QPdfWriter) opened in the reader at 1280 x 800,
// the time until its first page is drawn, then the memory while every page is turned to and drawn,
// of the kiosk's process and of the document's helper. The resident sizes must level off: the
// reader keeps only the page shown and its neighbours.
// `bench_reader hostile`: a 1 MB document whose page deflates to a gigabyte, opened the same way;
// the kiosk process's peak memory and the time until the reader has shown the page or given up.
#include "bench/ProcessMemory.h"
#include "files/ui/KVReaderVC.h"
#include "files/ui/ReaderDocument.h"
#include "files/ui/ReaderPageView.h"
#include "files/ui/ReaderThumbnailStrip.h"
#include "platform/Paths.h"
#include "platform/Translations.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"
#include "tests/files/ui/TestDocuments.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void writeDocument(const QString& path, int pages)
{
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Five hundred pages"));
    writer.setResolution(72);
    QPainter painter(&writer);
    const QString paragraph = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor. ").repeated(12);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(QRect(40, 40, 500, 40), QStringLiteral("Page %1").arg(page + 1));
        painter.drawText(QRect(40, 100, 500, 600), Qt::TextWordWrap, paragraph);
        painter.drawRect(40, 700, 100 + page % 300, 40);
    }
}

// The hostile document in a reader at 1280 x 800: what the kiosk process's memory peaks at and how
// long until the reader shows the page or gives up. Returns 0 once it has settled.
int hostile()
{
    const QString path = korvel::Paths::documentsDirectory() + QStringLiteral("/hostile.pdf");
    const QByteArray pdf = korvel::test::inflatingContent(1000);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return 2;
    file.close();
    std::printf("hostile document: %lld KiB, one page of 1000 MiB of content\n", pdf.size() / 1024);
    korvel::NavigationStack stack;
    stack.resize(1280, 800);
    stack.show();
    stack.push(new korvel::Screen, korvel::Animation::None);
    const qint64 before = korvel::bench::statusKiB("VmRSS:");
    korvel::bench::resetPeak();
    QElapsedTimer timer;
    timer.start();
    auto* reader = new korvel::KVReaderVC;
    reader->setPdfFileUrl(QUrl::fromLocalFile(path));
    stack.push(reader, korvel::Animation::None);
    // Drawn as a person would see it, until the reader has shown the page or said it cannot.
    reader->grab();
    while (reader->state() != korvel::KVReaderVC::State::Failed && timer.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (reader->state() == korvel::KVReaderVC::State::Shown && reader->pageView()->renderedPageCount() > 0)
            break;
        reader->grab();
    }
    for (const QString& line : QStringList{reader->messageLabel()->text()})
        std::printf("the reader says: %s\n", qPrintable(line));
    std::printf("settled after %.1f s in state %d; kiosk process: %lld KiB resident before, peak %lld KiB (+%lld KiB)\n",
                timer.nsecsElapsed() / 1e9, int(reader->state()), before, korvel::bench::statusKiB("VmHWM:"),
                korvel::bench::statusKiB("VmHWM:") - before);
    return 0;
}

// Draws the reader until the pictures it shows have arrived from the document's helper.
void drawn(korvel::KVReaderVC* reader)
{
    QElapsedTimer waiting;
    waiting.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        reader->grab();
    } while (!reader->pageView()->settled() && reader->state() != korvel::KVReaderVC::State::Failed && waiting.elapsed() < 30000);
}

qint64 helperKiB(korvel::KVReaderVC* reader, const char* field)
{
    return korvel::bench::processKiB(reader->document()->helperProcessId(), "status", field);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    korvel::Translations::install();
    korvel::Theme::apply(application);
    korvel::NavigationStack::setAnimationsEnabled(false);
    QTemporaryDir home;
    korvel::Paths::setHome(home.path());
    QDir().mkpath(korvel::Paths::documentsDirectory());
    if (argc > 1 && qstrcmp(argv[1], "hostile") == 0)
        return hostile();
    const int pages = 500;
    const QString path = korvel::Paths::documentsDirectory() + QStringLiteral("/long.pdf");
    writeDocument(path, pages);
    std::printf("document: %d pages, %lld KiB\n", pages, QFile(path).size() / 1024);

    korvel::NavigationStack stack;
    stack.resize(1280, 800);
    stack.show();
    stack.push(new korvel::Screen, korvel::Animation::None);
    const qint64 before = korvel::bench::statusKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    auto* reader = new korvel::KVReaderVC;
    reader->setPdfFileUrl(QUrl::fromLocalFile(path));
    stack.push(reader, korvel::Animation::None);
    // The first page as a person sees it: the whole reader drawn once its picture is there.
    while (reader->state() != korvel::KVReaderVC::State::Shown && reader->state() != korvel::KVReaderVC::State::Failed)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    drawn(reader);
    const double firstPageMs = timer.nsecsElapsed() / 1e6;
    std::printf("first page drawn: %.1f ms (state %d, %d pages)\n", firstPageMs, int(reader->state()), reader->document()->pageCount());
    std::printf("memory: %lld KiB before, %lld KiB with the first page; helper %lld KiB\n", before, korvel::bench::statusKiB("VmRSS:"),
                helperKiB(reader, "VmRSS"));

    QElapsedTimer paging;
    paging.start();
    for (int page = 1; page < pages; ++page) {
        reader->pageView()->setCurrentPage(page);
        drawn(reader);
        if ((page + 1) % 100 == 0)
            std::printf("after %3d pages: %lld KiB resident, helper %lld KiB, %d pages rendered, %d pictures in the strip\n", page + 1,
                        korvel::bench::statusKiB("VmRSS:"), helperKiB(reader, "VmRSS"), reader->pageView()->renderedPageCount(),
                        reader->thumbnailStrip()->renderedPageCount());
    }
    std::printf("paging: %.1f ms per page; peak %lld KiB, helper's peak %lld KiB\n", paging.nsecsElapsed() / 1e6 / (pages - 1),
                korvel::bench::statusKiB("VmHWM:"), helperKiB(reader, "VmHWM"));
    // Back to the start and through the document twice more: what stays is what the document holds
    // once it has been read, not what each page turned to adds.
    for (int round = 2; round <= 3; ++round) {
        for (int page = 0; page < pages; ++page) {
            reader->pageView()->setCurrentPage(page);
            drawn(reader);
        }
        std::printf("after reading it %s: %lld KiB resident, helper %lld KiB\n", round == 2 ? "twice" : "three times",
                    korvel::bench::statusKiB("VmRSS:"), helperKiB(reader, "VmRSS"));
    }
    return reader->state() == korvel::KVReaderVC::State::Shown ? 0 : 1;
}
