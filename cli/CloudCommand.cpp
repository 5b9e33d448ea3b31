#include "cli/CloudCommand.h"

#include "cli/CommandText.h"
#include "transfer/CloudService.h"
#include "transfer/CloudTransfer.h"

#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace korvel {

namespace {

const char* usage = "Usage: korvelctl cloud export [--id ID] [--service URL]\n"
                    "       korvelctl cloud import ID [--service URL]\n"
                    "       korvelctl cloud history\n";

}  // namespace

int runCloudCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty()) {
        err << usage;
        return ExitStatus::Refused;
    }
    const QString verb = arguments.first();
    if (verb == QLatin1String("history")) {
        if (arguments.size() != 1) {
            err << usage;
            return ExitStatus::Refused;
        }
        const QList<CloudTransfer::HistoryItem> items = CloudTransfer::historyItems();
        out << CloudTransfer::historyHeader(items.isEmpty()).trimmed() << '\n';
        for (const CloudTransfer::HistoryItem& item : items)
            out << item.title << '\t' << item.detail << '\n';
        return ExitStatus::Done;
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
            return ExitStatus::Refused;
        }
        *option = arguments.at(++i);
    }
    // What korvelctl was told is what is used, also by a running Korvel that was told otherwise.
    if (!service && qEnvironmentVariableIsSet(CloudService::environmentVariable))
        service = qEnvironmentVariable(CloudService::environmentVariable);
    QJsonObject command;
    if (service) {
        // Checked here, so a bad address is refused before any Korvel is asked.
        QString error;
        if (!CloudService::parseAddress(*service, &error)) {
            err << "korvelctl: " << error << '\n';
            return ExitStatus::Refused;
        }
        command.insert(QStringLiteral("service"), *service);
    }
    if (verb == QLatin1String("export") && rest.isEmpty()) {
        if (id) {
            if (!CloudTransfer::isValidID(*id)) {
                err << CloudTransfer::invalidIDText << '\n';
                return ExitStatus::Refused;
            }
            command.insert(QStringLiteral("id"), *id);
        }
        return CommandText::perform({QStringLiteral("cloud.export"), command}, out, err);
    }
    if (verb == QLatin1String("import") && !id && rest.size() == 1) {
        if (!CloudTransfer::isValidID(rest.first())) {
            err << CloudTransfer::invalidIDText << '\n';
            return ExitStatus::Refused;
        }
        command.insert(QStringLiteral("id"), rest.first());
        return CommandText::perform({QStringLiteral("cloud.import"), command}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
