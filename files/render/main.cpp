// korvel-pdf-render: parses and draws one document for the kiosk's reader, in a process of its own
// that gives up the network, other processes and new privileges before it reads the document, so
// that a hostile document reaches neither the kiosk's process nor its memory. The document comes
// on descriptor 3, requests on standard input, answers on standard output.
#include "files/render/PdfRenderService.h"
#include "files/render/Sandbox.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    constexpr int documentDescriptor = 3;
    korvel::Sandbox::closeInheritedDescriptors(documentDescriptor);
    korvel::Sandbox::Report report = korvel::Sandbox::confine(korvel::Sandbox::Limits{});
    QCoreApplication application(argc, argv);
    korvel::PdfRenderService service(documentDescriptor);
    // From here on nothing is set up any more: only the document's work is left.
    report.systemCallFilter = korvel::Sandbox::restrictSystemCalls();
    service.setSandbox(report.toJson());
    service.start();
    return application.exec();
}
