#pragma once

#include "files/PdfRenderProtocol.h"

#include <QFile>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <optional>

class QProcess;

namespace korvel {

class Timer;

// A document as the reader sees it: parsed and drawn by a helper process of its own
// (korvel-pdf-render), which gets the file's descriptor and nothing else of the kiosk. What the
// helper answers is checked before it is used; a helper that crashes, answers out of turn or
// takes longer than `answerTimeout` for one answer is ended and the document fails. Requests wait
// in line by priority, one at a time, so the shown page never waits behind a strip of pictures.
class ReaderDocument final : public QObject {
    Q_OBJECT
public:
    enum class Status { Closed, Loading, Ready, NeedsPassword, Failed };
    // The order in which requests are served.
    enum class Priority { Page, Text, Picture };

    static constexpr std::chrono::seconds answerTimeout{30};

    explicit ReaderDocument(QObject* parent = nullptr);
    ~ReaderDocument() override;

    // Opens the file at `path` in a new helper (any earlier one ends); statusChanged follows.
    void open(const QString& path, const QString& password = QString());
    void close();

    Status status() const { return m_status; }
    // Why the document failed, in words for the log.
    QString failure() const { return m_failure; }
    int pageCount() const { return m_info.pageCount(); }
    QString title() const { return m_info.title; }
    QSizeF pagePointSize(int page) const { return m_info.pageSizes.value(page); }
    QString pageLabel(int page) const;
    const QList<ReaderRules::OutlineEntry>& outline() const { return m_info.outline; }
    const QList<int>& outlineLevels() const { return m_info.outlineLevels; }

    // Asks for `page` drawn at `scaledSize` pixels, or only the `clip` of it; rendered() follows
    // with the ticket returned (0: nothing will come). A picture larger than the helper may send
    // is never asked for.
    quint64 requestRender(int page, QSize scaledSize, QRect clip, Priority priority);
    quint64 requestText(int page);
    quint64 requestLinks(int page);
    // Forgets a request that has not been sent yet; its answer no longer matters.
    void drop(quint64 ticket);

    // The helper's process, 0 when none runs.
    qint64 helperProcessId() const;
    // The helper program beside the kiosk's own (build tree), or in its libexec directory.
    static QString helperProgram();

Q_SIGNALS:
    void statusChanged(korvel::ReaderDocument::Status status);
    // A null picture when the helper could not draw it.
    void rendered(quint64 ticket, const QImage& image);
    void textReady(quint64 ticket, const QString& text);
    void linksReady(quint64 ticket, const QList<korvel::ReaderLink>& links);

private:
    struct Pending {
        quint64 ticket = 0;
        Priority priority = Priority::Page;
        PdfRenderProtocol::Message message;
        PdfRenderProtocol::Answer::Kind answer = PdfRenderProtocol::Answer::Kind::Rendered;
        QSize picture;  // the size a render's answer must have
    };

    quint64 enqueue(Priority priority, PdfRenderProtocol::Message message, PdfRenderProtocol::Answer::Kind answer, QSize picture);
    void sendNext();
    void send(const Pending& pending);
    void readAnswers();
    void take(const PdfRenderProtocol::Answer& answer);
    void fail(const QString& reason);
    void setStatus(Status status);
    void stopHelper();

    QProcess* m_process = nullptr;
    QFile m_file;
    Timer* m_watchdog;
    PdfRenderProtocol::Reader m_reader;
    QList<Pending> m_queue;
    std::optional<Pending> m_inFlight;
    PdfDocumentInfo m_info;
    Status m_status = Status::Closed;
    QString m_failure;
    quint64 m_nextTicket = 1;
};

}  // namespace korvel
