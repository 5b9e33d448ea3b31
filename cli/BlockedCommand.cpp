#include "cli/BlockedCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "policy/BlockedWebsiteEditing.h"
#include "settings/KVSettings.h"

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
        return 0;
    }
    if (verb == QLatin1String("add") || verb == QLatin1String("update")) {
        const bool adding = verb == QLatin1String("add");
        const std::optional<CommandOptions> options =
            CommandOptions::parse(arguments.mid(1), {{"--protocol", CommandOptions::Kind::Value}}, err);
        if (!options)
            return 2;
        const QStringList& positional = options->positional();
        if (positional.size() != (adding ? 1 : 2)) {
            err << usage;
            return 2;
        }
        KVSettings& settings = KVSettings::getSettingsObject();
        BlockedWebsiteInput input;
        std::optional<qsizetype> index;
        if (!adding && !(index = CommandText::recordToEdit(positional.at(0), settings.blockedWebsites, input, err)))
            return 2;
        input.url = positional.last();
        if (const std::optional<QString> protocol = options->value("--protocol")) {
            const std::optional<WebsiteProtocol> parsed = CommandText::parseProtocol(*protocol, err);
            if (!parsed)
                return 2;
            input.protocol = *parsed;
        }
        return CommandText::finish(BlockedWebsiteEditing::save(settings, input, index), out, err);
    }
    if (verb == QLatin1String("remove") && arguments.size() == 2) {
        const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an index", err);
        if (!index)
            return 2;
        return CommandText::finish(BlockedWebsiteEditing::remove(KVSettings::getSettingsObject(), *index), out, err);
    }
    err << usage;
    return 2;
}

}  // namespace korvel
