#include "cli/BlockedCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "settings/KVSettings.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

namespace {

const char* const usage =
    "korvelctl: usage: blocked list | blocked add URL [--protocol P] | blocked update INDEX URL [--protocol P] | "
    "blocked remove INDEX; see korvelctl --help\n";

}  // namespace

int runBlockedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("list") && arguments.size() == 1) {
        const QList<blockedWebsite>& blocked = KVSettings::getSettingsObject().blockedWebsites;
        for (qsizetype i = 0; i < blocked.size(); ++i) {
            const blockedWebsite& website = blocked.at(i);
            out << i << " url=" << website.url << " title=" << CommandText::quoted(website.title)
                << " protocol=" << CommandText::protocolName(website.protocol) << '\n';
        }
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("add") || verb == QLatin1String("update")) {
        const bool adding = verb == QLatin1String("add");
        const std::optional<CommandOptions> options =
            CommandOptions::parse(arguments.mid(1), {{"--protocol", CommandOptions::Kind::Value}}, err);
        if (!options)
            return ExitStatus::Refused;
        const QStringList& positional = options->positional();
        if (positional.size() != (adding ? 1 : 2)) {
            err << usage;
            return ExitStatus::Refused;
        }
        QJsonObject arguments{{QStringLiteral("url"), positional.last()}};
        if (!adding) {
            const std::optional<qint64> index = CommandText::parseNumber(positional.at(0), "an index", err);
            if (!index)
                return ExitStatus::Refused;
            arguments.insert(QStringLiteral("index"), *index);
        }
        if (const std::optional<QString> protocol = options->value("--protocol")) {
            const std::optional<WebsiteProtocol> parsed = CommandText::parseProtocol(*protocol, err);
            if (!parsed)
                return ExitStatus::Refused;
            arguments.insert(QStringLiteral("protocol"), CommandText::protocolName(*parsed));
        }
        return CommandText::perform({adding ? QStringLiteral("blocked.add") : QStringLiteral("blocked.update"), arguments}, out, err);
    }
    if (verb == QLatin1String("remove") && arguments.size() == 2) {
        const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an index", err);
        if (!index)
            return ExitStatus::Refused;
        return CommandText::perform({QStringLiteral("blocked.remove"), {{QStringLiteral("index"), *index}}}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
