#pragma once

#include "files/PdfRenderProtocol.h"

#include <QFile>
#include <QJsonObject>
#include <QObject>

class QPdfDocument;
class QSocketNotifier;

namespace korvel {

// The document helper's side: reads requests on standard input, answers on standard output, and
// reads the document from the descriptor it was handed. One request at a time, in order.
class PdfRenderService final : public QObject {
    Q_OBJECT
public:
    explicit PdfRenderService(int documentDescriptor, QObject* parent = nullptr);

    // What the process gave up, reported with every opened document.
    void setSandbox(const QJsonObject& sandbox) { m_sandbox = sandbox; }
    void start();

private:
    void readInput();
    void handle(const PdfRenderProtocol::Request& request);
    void open(const QString& password);
    void render(const PdfRenderProtocol::Request& request);
    void send(const PdfRenderProtocol::Message& message);
    PdfDocumentInfo describe();

    QFile m_file;
    QPdfDocument* m_document;
    QJsonObject m_sandbox;
    PdfRenderProtocol::Reader m_reader;
    QSocketNotifier* m_input = nullptr;
    bool m_open = false;
};

}  // namespace korvel
