#include "cli/LogCommand.h"

#include "cli/CommandOptions.h"
#include "control/ControlCommand.h"
#include "log/KVLogger.h"
#include "log/LogQuery.h"

#include <QTextStream>

namespace korvel {

namespace {

const char* const usage =
    "korvelctl: usage: log [--category NAME]... [--desc] [--search TEXT] | log clear; see korvelctl --help\n";

}  // namespace

int runLogCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.value(0) == QLatin1String("clear")) {
        if (arguments.size() != 1) {
            err << usage;
            return ExitStatus::Refused;
        }
        KVLogger* logger = KVLogger::sharedLogger();
        if (!logger || !logger->clear(QStringLiteral("DELETE FROM applicationTable"))) {
            err << "korvelctl: the event log could not be cleared\n";
            return ExitStatus::Failed;
        }
        return ExitStatus::Done;
    }
    using Kind = CommandOptions::Kind;
    const std::optional<CommandOptions> options = CommandOptions::parse(
        arguments, {{"--category", Kind::Value}, {"--desc", Kind::Flag}, {"--search", Kind::Value}}, err);
    if (!options)
        return ExitStatus::Refused;
    if (!options->positional().isEmpty()) {
        err << usage;
        return ExitStatus::Refused;
    }
    LogQuery query;
    // Any category may be named, not only the viewer's ten: the editors log under others too
    // ("Blocked_URL_action", "CATEGORY_action").
    const QStringList categories = options->values("--category");
    if (!categories.isEmpty())
        query.categories = categories;
    query.order = options->isSet("--desc") ? LogOrder::NewestFirst : LogOrder::OldestFirst;
    query.search = options->value("--search").value_or(QString());
    for (const LogEntry& entry : query.run())
        out << entry.displayLine() << '\n';
    return ExitStatus::Done;
}

}  // namespace korvel
