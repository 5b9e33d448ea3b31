#include "files/render/PdfRenderService.h"

#include "files/render/PdfLinks.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QSocketNotifier>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace korvel {

using namespace PdfRenderProtocol;

PdfRenderService::PdfRenderService(int documentDescriptor, QObject* parent)
    : QObject(parent)
    , m_document(new QPdfDocument(this))
{
    m_file.open(documentDescriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

void PdfRenderService::start()
{
    fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
    m_input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_input, &QSocketNotifier::activated, this, &PdfRenderService::readInput);
}

void PdfRenderService::readInput()
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) {
            m_reader.append(QByteArray(buffer, int(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // The reader went away: so does its helper.
        QCoreApplication::exit(0);
        return;
    }
    Message message;
    for (;;) {
        switch (m_reader.next(&message)) {
        case Reader::Status::NeedMore:
            return;
        case Reader::Status::Broken:
            QCoreApplication::exit(2);
            return;
        case Reader::Status::Message:
            if (const std::optional<Request> request = readRequest(message))
                handle(*request);
            else
                send(failedAnswer(0, QStringLiteral("not a request")));
            break;
        }
    }
}

void PdfRenderService::handle(const Request& request)
{
    if (request.kind == Request::Kind::Open) {
        open(request.password);
        return;
    }
    if (!m_open || request.page >= m_document->pageCount()) {
        send(failedAnswer(request.id, QStringLiteral("no such page")));
        return;
    }
    switch (request.kind) {
    case Request::Kind::Open:
        break;
    case Request::Kind::Render:
        render(request);
        break;
    case Request::Kind::Text:
        send(textAnswer(request.id, m_document->getAllText(request.page).text().left(maxPageText)));
        break;
    case Request::Kind::Links:
        send(linksAnswer(request.id, PdfLinks::onPage(m_document, request.page).mid(0, maxLinksPerPage)));
        break;
    }
}

void PdfRenderService::open(const QString& password)
{
    m_open = false;
    m_document->close();
    m_document->setPassword(password);
    m_file.seek(0);
    m_document->load(&m_file);
    // A file is read at once; a document that is still loading is waited for.
    if (m_document->status() == QPdfDocument::Status::Loading) {
        QEventLoop wait;
        connect(m_document, &QPdfDocument::statusChanged, &wait, [&](QPdfDocument::Status status) {
            if (status != QPdfDocument::Status::Loading)
                wait.quit();
        });
        wait.exec();
    }
    if (m_document->status() != QPdfDocument::Status::Ready) {
        const OpenStatus status = m_document->error() == QPdfDocument::Error::IncorrectPassword ? OpenStatus::NeedsPassword : OpenStatus::Failed;
        send(openedAnswer(status, {}, m_sandbox));
        return;
    }
    m_open = true;
    send(openedAnswer(OpenStatus::Ready, describe(), m_sandbox));
}

PdfDocumentInfo PdfRenderService::describe()
{
    PdfDocumentInfo info;
    info.title = m_document->metaData(QPdfDocument::MetaDataField::Title).toString().trimmed().left(maxShortText);
    const int pages = std::min(m_document->pageCount(), maxPages);
    bool labelled = false;
    for (int page = 0; page < pages; ++page) {
        info.pageSizes << m_document->pagePointSize(page);
        const QString label = m_document->pageLabel(page).left(maxShortText);
        labelled = labelled || !label.isEmpty();
        info.pageLabels << label;
    }
    if (!labelled)
        info.pageLabels.clear();
    QPdfBookmarkModel model;
    model.setDocument(m_document);
    const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int level) {
        for (int row = 0; row < model.rowCount(parent) && info.outline.size() < maxOutlineEntries; ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            const int page = index.data(int(QPdfBookmarkModel::Role::Page)).toInt();
            if (page >= 0 && page < pages) {
                info.outline.append({index.data(int(QPdfBookmarkModel::Role::Title)).toString().left(maxShortText), page});
                info.outlineLevels << std::min(level, 64);
            }
            if (level < 64)
                walk(index, level + 1);
        }
    };
    walk({}, 0);
    return info;
}

void PdfRenderService::render(const Request& request)
{
    const QSize picture = request.clip.isEmpty() ? request.scaledSize : request.clip.size();
    QPdfDocumentRenderOptions options;
    if (!request.clip.isEmpty()) {
        options.setScaledSize(request.scaledSize);
        options.setScaledClipRect(request.clip);
    }
    const QImage drawn = m_document->render(request.page, picture, options);
    // Pages are drawn on a transparent ground: here they are laid on white paper.
    QImage paper(picture, QImage::Format_RGB32);
    paper.fill(Qt::white);
    if (!drawn.isNull()) {
        QPainter painter(&paper);
        painter.drawImage(0, 0, drawn);
    }
    QByteArray pixels;
    pixels.reserve(qsizetype(picture.width()) * picture.height() * 4);
    for (int y = 0; y < paper.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(paper.constScanLine(y)), qsizetype(paper.width()) * 4);
    send(renderedAnswer(request.id, picture, pixels));
}

void PdfRenderService::send(const Message& message)
{
    const QByteArray frame = encode(message);
    qsizetype done = 0;
    while (done < frame.size()) {
        const ssize_t n = write(STDOUT_FILENO, frame.constData() + done, size_t(frame.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        done += n;
    }
}

}  // namespace korvel
