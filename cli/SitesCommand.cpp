#include "cli/SitesCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "policy/AllowedWebsiteEditing.h"
#include "policy/KVUtility.h"
#include "settings/KVSettings.h"

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
};

// In the order the list prints them.
const Switch switches[] = {
    {"--startup", "--no-startup", &AllowedWebsiteInput::runAtStartup},
    {"--error-page", "--no-error-page", &AllowedWebsiteInput::errorPage},
    {"--subdomains", "--no-subdomains", &AllowedWebsiteInput::allowSubDomain},
    {"--only-this", "--no-only-this", &AllowedWebsiteInput::allowOnlyThis},
    {"--hide", "--no-hide", &AllowedWebsiteInput::hideURL},
    {"--favicon", "--no-favicon", &AllowedWebsiteInput::useFavicon},
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

// An address typed with its scheme names its protocol, unless --protocol says otherwise: the
// editor's protocol control has no counterpart on a command line, and "https://x" stored under
// http would become "http://https//x".
void takeProtocolFromAddress(AllowedWebsiteInput& input)
{
    const qsizetype separator = input.url.indexOf(QLatin1String("://"));
    if (separator <= 0)
        return;
    const QString scheme = input.url.left(separator).toLower();
    if (scheme == QLatin1String("http"))
        input.protocol = WebsiteProtocol::Http;
    else if (scheme == QLatin1String("https"))
        input.protocol = WebsiteProtocol::Https;
    else if (scheme == QLatin1String("file"))
        input.protocol = WebsiteProtocol::File;
}

// Applies the options given to `input`. Returns false, after telling `err`, on a bad value.
bool apply(const CommandOptions& options, AllowedWebsiteInput& input, QTextStream& err)
{
    if (const std::optional<QString> protocol = options.value("--protocol")) {
        const std::optional<WebsiteProtocol> parsed = CommandText::parseProtocol(*protocol, err);
        if (!parsed)
            return false;
        input.protocol = *parsed;
    }
    if (const std::optional<QString> title = options.value("--title"))
        input.title = *title;
    if (const std::optional<QString> icon = options.value("--icon"))
        input.iconPath = *icon;
    if (const std::optional<QString> category = options.value("--category")) {
        const std::optional<qint64> id = CommandText::parseNumber(*category, "a category id", err);
        if (!id)
            return false;
        // The editor offers only existing categories, and "None" (0).
        bool known = *id == 0;
        for (const allowedWebsiteCategory& c : KVSettings::getSettingsObject().allowedWebsitesCategories)
            known = known || c.categoryId == *id;
        if (!known) {
            err << "korvelctl: there is no category with id " << *id << "; \"korvelctl categories list\" shows them\n";
            return false;
        }
        input.categoryId = *id;
    }
    for (const Switch& s : switches) {
        const bool on = options.isSet(s.on);
        const bool off = options.isSet(s.off);
        if (on && off) {
            err << "korvelctl: " << s.on << " and " << s.off << " contradict each other\n";
            return false;
        }
        if (on || off)
            input.*s.member = on;
    }
    return true;
}

// The index of the allowed website whose stored address `input` would give, if any: the address
// as the editor stores it, so "example.com" and "http://example.com" are the same website.
std::optional<qsizetype> listedIndex(const AllowedWebsiteInput& input)
{
    const std::optional<QUrl> url = KVUtility::getURLFromString(input.url.trimmed(), input.protocol);
    if (!url)
        return std::nullopt;
    const QString stored = url->toString(QUrl::FullyEncoded);
    const QList<allowedWebsite>& sites = KVSettings::getSettingsObject().allowedWebsites;
    for (qsizetype i = 0; i < sites.size(); ++i) {
        if (sites.at(i).url == stored)
            return i;
    }
    return std::nullopt;
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
        return 0;
    }
    if (verb == QLatin1String("add")) {
        const std::optional<CommandOptions> options = parseOptions(arguments.mid(1), Edit::Adding, err);
        if (!options)
            return 2;
        if (options->positional().size() != 1) {
            err << usage;
            return 2;
        }
        AllowedWebsiteInput input;
        input.url = options->positional().at(0);
        takeProtocolFromAddress(input);
        if (!apply(*options, input, err))
            return 2;
        // An address listed already is refused (a second run of a script would add it twice and
        // take the start page from the one chosen since), or changed with --update.
        if (const std::optional<qsizetype> listed = listedIndex(input)) {
            if (!options->isSet("--update")) {
                err << "korvelctl: " << KVSettings::getSettingsObject().allowedWebsites.at(*listed).url << " is already listed (index "
                    << *listed << "); add --update to change it\n";
                return 2;
            }
            AllowedWebsiteInput changed = AllowedWebsiteInput::fromRecord(KVSettings::getSettingsObject().allowedWebsites.at(*listed));
            if (!apply(*options, changed, err))
                return 2;
            return CommandText::finish(AllowedWebsiteEditing::save(KVSettings::getSettingsObject(), changed, *listed), out, err);
        }
        return CommandText::finish(AllowedWebsiteEditing::save(KVSettings::getSettingsObject(), input), out, err);
    }
    if (verb == QLatin1String("update")) {
        const std::optional<CommandOptions> options = parseOptions(arguments.mid(1), Edit::Updating, err);
        if (!options)
            return 2;
        const QStringList& positional = options->positional();
        if (positional.size() != 1 && positional.size() != 2) {
            err << usage;
            return 2;
        }
        KVSettings& settings = KVSettings::getSettingsObject();
        AllowedWebsiteInput input;
        const std::optional<qsizetype> index = CommandText::recordToEdit(positional.at(0), settings.allowedWebsites, input, err);
        if (!index)
            return 2;
        if (positional.size() == 2) {
            input.url = positional.at(1);
            takeProtocolFromAddress(input);
        }
        if (!apply(*options, input, err))
            return 2;
        return CommandText::finish(AllowedWebsiteEditing::save(settings, input, *index), out, err);
    }
    if (verb == QLatin1String("remove") && arguments.size() == 2) {
        const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an index", err);
        if (!index)
            return 2;
        return CommandText::finish(AllowedWebsiteEditing::remove(KVSettings::getSettingsObject(), *index), out, err);
    }
    err << usage;
    return 2;
}

}  // namespace korvel
