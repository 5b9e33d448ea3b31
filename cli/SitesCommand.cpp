#include "cli/SitesCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "policy/AllowedWebsiteEditing.h"
#include "settings/KVSettings.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

namespace {

using Kind = CommandOptions::Kind;

enum class Edit { Adding, Updating };

const char* const usage =
    "korvelctl: usage: sites list | sites add URL [OPTIONS] | sites update INDEX [URL] [OPTIONS] | "
    "sites remove INDEX; see korvelctl --help\n";

// A switch of the website editor, as an option; "--no-" + name turns it off when updating.
struct Switch {
    const char* on;
    const char* off;
    bool AllowedWebsiteInput::*member;
    const char* argument;  // its name in the command
};

// In the order the list prints them.
const Switch switches[] = {
    {"--startup", "--no-startup", &AllowedWebsiteInput::runAtStartup, "startup"},
    {"--error-page", "--no-error-page", &AllowedWebsiteInput::errorPage, "errorPage"},
    {"--subdomains", "--no-subdomains", &AllowedWebsiteInput::allowSubDomain, "subdomains"},
    {"--only-this", "--no-only-this", &AllowedWebsiteInput::allowOnlyThis, "onlyThis"},
    {"--hide", "--no-hide", &AllowedWebsiteInput::hideURL, "hide"},
    {"--favicon", "--no-favicon", &AllowedWebsiteInput::useFavicon, "favicon"},
};

void list(QTextStream& out)
{
    const QList<allowedWebsite>& sites = KVSettings::getSettingsObject().allowedWebsites;
    for (qsizetype i = 0; i < sites.size(); ++i) {
        const allowedWebsite& site = sites.at(i);
        out << i << " id=" << site.allowedWebsiteId << " category=" << site.categoryId << " url=" << site.url
            << " title=" << CommandText::quoted(site.title);
        const AllowedWebsiteInput shown = AllowedWebsiteInput::fromRecord(site);
        for (const Switch& s : switches) {
            if (shown.*s.member)
                out << ' ' << (s.on + 2);
        }
        out << '\n';
    }
}

// The options given, as the command's arguments. False, after telling `err`, on a bad value.
bool takeOptions(const CommandOptions& options, QJsonObject& arguments, QTextStream& err)
{
    if (const std::optional<QString> protocol = options.value("--protocol")) {
        const std::optional<WebsiteProtocol> parsed = CommandText::parseProtocol(*protocol, err);
        if (!parsed)
            return false;
        arguments.insert(QStringLiteral("protocol"), CommandText::protocolName(*parsed));
    }
    if (const std::optional<QString> title = options.value("--title"))
        arguments.insert(QStringLiteral("title"), *title);
    if (const std::optional<QString> icon = options.value("--icon"))
        arguments.insert(QStringLiteral("icon"), *icon);
    if (const std::optional<QString> category = options.value("--category")) {
        const std::optional<qint64> id = CommandText::parseNumber(*category, "a category id", err);
        if (!id)
            return false;
        arguments.insert(QStringLiteral("category"), *id);
    }
    for (const Switch& s : switches) {
        const bool on = options.isSet(s.on);
        const bool off = options.isSet(s.off);
        if (on && off) {
            err << "korvelctl: " << s.on << " and " << s.off << " contradict each other\n";
            return false;
        }
        if (on || off)
            arguments.insert(QLatin1String(s.argument), on);
    }
    return true;
}

std::optional<CommandOptions> parseOptions(const QStringList& arguments, Edit edit, QTextStream& err)
{
    QList<CommandOptions::Option> known = {
        {"--protocol", Kind::Value}, {"--title", Kind::Value}, {"--icon", Kind::Value}, {"--category", Kind::Value}};
    // Provisioning scripts run again: "add --update" changes a website already listed instead of
    // being refused.
    if (edit == Edit::Adding)
        known.append({"--update", Kind::Flag});
    for (const Switch& s : switches) {
        known.append({s.on, Kind::Flag});
        if (edit == Edit::Updating)
            known.append({s.off, Kind::Flag});
    }
    return CommandOptions::parse(arguments, known, err);
}

}  // namespace

int runSitesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("list") && arguments.size() == 1) {
        list(out);
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("add")) {
        const std::optional<CommandOptions> options = parseOptions(arguments.mid(1), Edit::Adding, err);
        if (!options)
            return ExitStatus::Refused;
        if (options->positional().size() != 1) {
            err << usage;
            return ExitStatus::Refused;
        }
        QJsonObject arguments{{QStringLiteral("url"), options->positional().at(0)}};
        if (options->isSet("--update"))
            arguments.insert(QStringLiteral("update"), true);
        if (!takeOptions(*options, arguments, err))
            return ExitStatus::Refused;
        return CommandText::perform({QStringLiteral("sites.add"), arguments}, out, err);
    }
    if (verb == QLatin1String("update")) {
        const std::optional<CommandOptions> options = parseOptions(arguments.mid(1), Edit::Updating, err);
        if (!options)
            return ExitStatus::Refused;
        const QStringList& positional = options->positional();
        if (positional.size() != 1 && positional.size() != 2) {
            err << usage;
            return ExitStatus::Refused;
        }
        const std::optional<qint64> index = CommandText::parseNumber(positional.at(0), "an index", err);
        if (!index)
            return ExitStatus::Refused;
        QJsonObject arguments{{QStringLiteral("index"), *index}};
        if (positional.size() == 2)
            arguments.insert(QStringLiteral("url"), positional.at(1));
        if (!takeOptions(*options, arguments, err))
            return ExitStatus::Refused;
        return CommandText::perform({QStringLiteral("sites.update"), arguments}, out, err);
    }
    if (verb == QLatin1String("remove") && arguments.size() == 2) {
        const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an index", err);
        if (!index)
            return ExitStatus::Refused;
        return CommandText::perform({QStringLiteral("sites.remove"), {{QStringLiteral("index"), *index}}}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
