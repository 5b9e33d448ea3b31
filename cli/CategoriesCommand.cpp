#include "cli/CategoriesCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "settings/KVSettings.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

namespace {

const char* const usage =
    "korvelctl: usage: categories list | categories add TITLE [--icon PATH] | "
    "categories rename INDEX TITLE [--icon PATH] | categories remove INDEX; see korvelctl --help\n";

}  // namespace

int runCategoriesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("list") && arguments.size() == 1) {
        const QList<allowedWebsiteCategory>& categories = KVSettings::getSettingsObject().allowedWebsitesCategories;
        for (qsizetype i = 0; i < categories.size(); ++i) {
            const allowedWebsiteCategory& category = categories.at(i);
            out << i << " id=" << category.categoryId << " title=" << CommandText::quoted(category.categoryTitle)
                << " icon=" << category.iconURL << '\n';
        }
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("add") || verb == QLatin1String("rename")) {
        const bool adding = verb == QLatin1String("add");
        const std::optional<CommandOptions> options =
            CommandOptions::parse(arguments.mid(1), {{"--icon", CommandOptions::Kind::Value}}, err);
        if (!options)
            return ExitStatus::Refused;
        const QStringList& positional = options->positional();
        if (positional.size() != (adding ? 1 : 2)) {
            err << usage;
            return ExitStatus::Refused;
        }
        QJsonObject arguments{{QStringLiteral("title"), positional.last()}};
        if (!adding) {
            const std::optional<qint64> index = CommandText::parseNumber(positional.at(0), "an index", err);
            if (!index)
                return ExitStatus::Refused;
            arguments.insert(QStringLiteral("index"), *index);
        }
        if (const std::optional<QString> icon = options->value("--icon"))
            arguments.insert(QStringLiteral("icon"), *icon);
        return CommandText::perform({adding ? QStringLiteral("categories.add") : QStringLiteral("categories.rename"), arguments}, out, err);
    }
    if (verb == QLatin1String("remove") && arguments.size() == 2) {
        const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an index", err);
        if (!index)
            return ExitStatus::Refused;
        return CommandText::perform({QStringLiteral("categories.remove"), {{QStringLiteral("index"), *index}}}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
