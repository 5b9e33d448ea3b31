#include "cli/CloudCommand.h"

#include "transfer/CloudService.h"
#include "transfer/CloudTransfer.h"
#include "transfer/KVCloudRequest.h"

#include <QEventLoop>
#include <QTextStream>

#include <optional>

namespace korvel {

namespace {

const char* usage = "Usage: korvelctl cloud export [--id ID] [--service URL]\n"
                    "       korvelctl cloud import ID [--service URL]\n"
                    "       korvelctl cloud history\n";

struct Reply {
    QString message;
    bool success = false;
};

// Starts an exchange through `start` and waits for its one result.
template <typename Start>
Reply exchange(KVCloudRequest& request, Start start)
{
    std::optional<Reply> reply;
    QEventLoop loop;
    const auto done = [&](const QString& message, bool success) {
        reply = Reply{message, success};
        loop.quit();
    };
    request.exportCallback = done;
    request.cloudReqCallback = done;
    request.importCallback = done;
    start();
    if (!reply)
        loop.exec();
    return *reply;
}

int report(const CloudTransfer::Outcome& outcome, QTextStream& out, QTextStream& err)
{
    (outcome.ok ? out : err) << outcome.title << ": " << outcome.message << '\n';
    return outcome.ok ? 0 : 2;
}

}  // namespace

int runCloudCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty()) {
        err << usage;
        return 2;
    }
    const QString verb = arguments.first();
    if (verb == QLatin1String("history")) {
        if (arguments.size() != 1) {
            err << usage;
            return 2;
        }
        const QList<CloudTransfer::HistoryItem> items = CloudTransfer::historyItems();
        out << CloudTransfer::historyHeader(items.isEmpty()).trimmed() << '\n';
        for (const CloudTransfer::HistoryItem& item : items)
            out << item.title << '\t' << item.detail << '\n';
        return 0;
    }

    std::optional<QString> id;
    std::optional<QString> service;
    QStringList rest;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        std::optional<QString>* option = a == QLatin1String("--id") ? &id : a == QLatin1String("--service") ? &service : nullptr;
        if (!option) {
            rest.append(a);
            continue;
        }
        if (i + 1 >= arguments.size() || option->has_value()) {
            err << usage;
            return 2;
        }
        *option = arguments.at(++i);
    }
    KVCloudRequest request;
    if (service) {
        QString error;
        const std::optional<QUrl> url = CloudService::parseAddress(*service, &error);
        if (!url) {
            err << "korvelctl: " << error << '\n';
            return 2;
        }
        request.setServiceAddress(*url);
    }

    if (verb == QLatin1String("export") && rest.isEmpty()) {
        if (!id) {
            const Reply reply = exchange(request, [&] { request.exportToID(QLatin1String(KVCloudRequest::newIDFromExportScreen), false); });
            return report(CloudTransfer::newIDExported(request.ID, reply.message, reply.success), out, err);
        }
        if (!CloudTransfer::isValidTypedID(*id)) {
            err << CloudTransfer::invalidIDText << '\n';
            return 2;
        }
        const Reply reply = exchange(request, [&] { request.exportToID(*id, false); });
        return report(CloudTransfer::exportedToID(*id, reply.message, reply.success), out, err);
    }
    if (verb == QLatin1String("import") && !id && rest.size() == 1) {
        const QString cloudID = rest.first();
        if (!CloudTransfer::isValidTypedID(cloudID)) {
            err << CloudTransfer::invalidIDText << '\n';
            return 2;
        }
        const Reply reply = exchange(request, [&] { request.importFromID(cloudID); });
        return report(CloudTransfer::importedFromID(cloudID, reply.message, reply.success), out, err);
    }
    err << usage;
    return 2;
}

}  // namespace korvel
