#include "files/ui/ReaderDocument.h"

#include "log/KVLog.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace korvel {

using namespace PdfRenderProtocol;

namespace {

constexpr int documentDescriptor = 3;

// Said once per run: what the helper could not give up on this system.
void reportSandbox(const QJsonObject& sandbox)
{
    static bool reported = false;
    QStringList missing;
    const struct {
        const char* key;
        const char* words;
    } parts[] = {{"noNewPrivileges", "no new privileges"}, {"memoryLimited", "a memory limit"},
                 {"networkNamespace", "a network namespace"}, {"processesHidden", "hidden processes"},
                 {"systemCallFilter", "a system call filter"}};
    for (const auto& part : parts) {
        if (!sandbox.value(QLatin1String(part.key)).toBool())
            missing << QLatin1String(part.words);
    }
    if (missing.isEmpty() || std::exchange(reported, true))
        return;
    KVLog(QStringLiteral("Warning"), QStringLiteral("Document helper runs without %@"), missing.join(QStringLiteral(", ")));
}

}  // namespace

ReaderDocument::ReaderDocument(QObject* parent)
    : QObject(parent)
    , m_watchdog(new Timer(this))
{
    connect(m_watchdog, &Timer::timeout, this, [this] {
        fail(QStringLiteral("the document helper gave no answer for %1 seconds").arg(answerTimeout.count()));
    });
}

ReaderDocument::~ReaderDocument()
{
    stopHelper();
}

QString ReaderDocument::helperProgram()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/korvel-pdf-render"), dir + QStringLiteral("/../libexec/korvel/korvel-pdf-render")}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.canonicalFilePath();
    }
    return {};
}

QString ReaderDocument::pageLabel(int page) const
{
    return m_info.pageLabels.value(page);
}

qint64 ReaderDocument::helperProcessId() const
{
    return m_process ? m_process->processId() : 0;
}

void ReaderDocument::open(const QString& path, const QString& password)
{
    stopHelper();
    m_info = {};
    m_failure.clear();
    const QString program = helperProgram();
    if (program.isEmpty()) {
        fail(QStringLiteral("the document helper korvel-pdf-render is not installed"));
        return;
    }
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("the file cannot be read"));
        return;
    }
    m_process = new QProcess(this);
    // The helper gets the document's descriptor and nothing of the kiosk's environment; what it
    // prints goes nowhere.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_NO_GLIB"), QStringLiteral("1"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    m_process->setProcessEnvironment(environment);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    const int fd = m_file.handle();
    m_process->setChildProcessModifier([fd] {
        // Between fork and exec: only async-signal-safe calls.
        if (fd == documentDescriptor)
            fcntl(fd, F_SETFD, 0);
        else
            dup2(fd, documentDescriptor);
    });
    connect(m_process, &QProcess::readyReadStandardOutput, this, &ReaderDocument::readAnswers);
    connect(m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus exit) {
        fail(exit == QProcess::CrashExit ? QStringLiteral("the document helper crashed") : QStringLiteral("the document helper ended (%1)").arg(code));
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("the document helper could not start"));
    });
    setStatus(Status::Loading);
    m_process->start(program, {});
    Pending opening;
    opening.message = openRequest(password);
    opening.answer = Answer::Kind::Opened;
    send(opening);
}

void ReaderDocument::close()
{
    stopHelper();
    setStatus(Status::Closed);
}

void ReaderDocument::stopHelper()
{
    m_watchdog->stop();
    m_queue.clear();
    m_inFlight.reset();
    m_reader = Reader();
    if (m_process) {
        QProcess* process = std::exchange(m_process, nullptr);
        process->disconnect(this);
        process->kill();
        process->waitForFinished(2000);
        delete process;
    }
    m_file.close();
}

void ReaderDocument::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged(status);
}

void ReaderDocument::fail(const QString& reason)
{
    if (m_status == Status::Failed || m_status == Status::Closed)
        return;
    stopHelper();
    m_failure = reason;
    setStatus(Status::Failed);
}

quint64 ReaderDocument::enqueue(Priority priority, Message message, Answer::Kind answer, QSize picture)
{
    if (m_status != Status::Ready)
        return 0;
    Pending pending;
    pending.ticket = m_nextTicket++;
    pending.priority = priority;
    pending.message = std::move(message);
    pending.message.header.insert(QStringLiteral("id"), double(pending.ticket));
    pending.answer = answer;
    pending.picture = picture;
    m_queue.append(std::move(pending));
    const quint64 ticket = m_queue.last().ticket;
    sendNext();
    return ticket;
}

quint64 ReaderDocument::requestRender(int page, QSize scaledSize, QRect clip, Priority priority)
{
    if (page < 0 || page >= pageCount() || scaledSize.isEmpty())
        return 0;
    clip = clip.intersected(QRect(QPoint(0, 0), scaledSize));
    const QSize picture = clip.isEmpty() ? scaledSize : clip.size();
    if (picture.isEmpty() || picture.width() > maxImageSide || picture.height() > maxImageSide)
        return 0;
    return enqueue(priority, renderRequest(0, page, scaledSize, clip), Answer::Kind::Rendered, picture);
}

quint64 ReaderDocument::requestText(int page)
{
    if (page < 0 || page >= pageCount())
        return 0;
    return enqueue(Priority::Text, textRequest(0, page), Answer::Kind::Text, {});
}

quint64 ReaderDocument::requestLinks(int page)
{
    if (page < 0 || page >= pageCount())
        return 0;
    return enqueue(Priority::Page, linksRequest(0, page), Answer::Kind::Links, {});
}

void ReaderDocument::drop(quint64 ticket)
{
    m_queue.removeIf([ticket](const Pending& p) { return p.ticket == ticket; });
}

void ReaderDocument::sendNext()
{
    if (m_inFlight || m_queue.isEmpty() || m_status != Status::Ready)
        return;
    // The most urgent first; within one priority the oldest.
    qsizetype next = 0;
    for (qsizetype i = 1; i < m_queue.size(); ++i) {
        if (m_queue.at(i).priority < m_queue.at(next).priority)
            next = i;
    }
    send(m_queue.takeAt(next));
}

void ReaderDocument::send(const Pending& pending)
{
    if (!m_process)
        return;
    m_inFlight = pending;
    m_process->write(encode(pending.message));
    m_watchdog->start(answerTimeout, TimerMode::SingleShot);
}

void ReaderDocument::readAnswers()
{
    if (!m_process)
        return;
    m_reader.append(m_process->readAllStandardOutput());
    Message message;
    while (m_process) {
        switch (m_reader.next(&message)) {
        case Reader::Status::NeedMore:
            return;
        case Reader::Status::Broken:
            fail(QStringLiteral("the document helper sent what is not an answer"));
            return;
        case Reader::Status::Message: {
            const std::optional<Answer> answer = readAnswer(message, m_status == Status::Ready ? pageCount() : -1);
            if (!answer) {
                fail(QStringLiteral("the document helper sent an answer out of bounds"));
                return;
            }
            // What the answer sets off may close the document, or delete it.
            QPointer<ReaderDocument> alive(this);
            take(*answer);
            if (!alive)
                return;
            break;
        }
        }
    }
}

void ReaderDocument::take(const Answer& answer)
{
    // Only the question asked may be answered, and only in its own kind.
    if (!m_inFlight || answer.id != m_inFlight->ticket
        || (answer.kind != m_inFlight->answer && answer.kind != Answer::Kind::Failed)
        || (answer.kind == Answer::Kind::Rendered && answer.size != m_inFlight->picture)) {
        fail(QStringLiteral("the document helper answered out of turn"));
        return;
    }
    const Pending asked = *std::exchange(m_inFlight, std::nullopt);
    m_watchdog->stop();
    QPointer<ReaderDocument> alive(this);
    switch (answer.kind) {
    case Answer::Kind::Opened:
        switch (answer.status) {
        case OpenStatus::Ready:
            m_info = answer.info;
            reportSandbox(answer.sandbox);
            setStatus(Status::Ready);
            break;
        case OpenStatus::NeedsPassword:
            stopHelper();
            setStatus(Status::NeedsPassword);
            return;
        case OpenStatus::Failed:
            fail(QStringLiteral("the document cannot be read"));
            return;
        }
        break;
    case Answer::Kind::Rendered: {
        QImage image(answer.size, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), answer.pixels.constData() + qsizetype(y) * image.width() * 4, size_t(image.width()) * 4);
        Q_EMIT rendered(asked.ticket, image);
        break;
    }
    case Answer::Kind::Text:
        Q_EMIT textReady(asked.ticket, answer.text);
        break;
    case Answer::Kind::Links:
        Q_EMIT linksReady(asked.ticket, answer.links);
        break;
    case Answer::Kind::Failed:
        // A request the helper could not serve: an open fails the document, the rest come empty.
        switch (asked.answer) {
        case Answer::Kind::Opened:
            fail(QStringLiteral("the document cannot be read"));
            return;
        case Answer::Kind::Rendered:
            Q_EMIT rendered(asked.ticket, QImage());
            break;
        case Answer::Kind::Text:
            Q_EMIT textReady(asked.ticket, QString());
            break;
        case Answer::Kind::Links:
            Q_EMIT linksReady(asked.ticket, {});
            break;
        case Answer::Kind::Failed:
            break;
        }
        break;
    }
    if (alive)
        sendNext();
}

}  // namespace korvel
