#include "cli/TransferCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "settings/KVSettings.h"
#include "transfer/ImportExport.h"

#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace korvel {

int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList names = arguments;
    const bool pellmor = names.removeAll(QStringLiteral("--pellmor")) > 0;
    if (pellmor && names.isEmpty())
        return CommandText::perform({QStringLiteral("export.pellmor"), {}}, out, err);
    if (pellmor || names.size() != 1) {
        err << "Usage: korvelctl export NAME | export --pellmor\n";
        return 2;
    }
    return CommandText::perform({QStringLiteral("export"), {{QStringLiteral("name"), names.first()}}}, out, err);
}

int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 1) {
        err << "Usage: korvelctl import NAME|URL\n";
        return 2;
    }
    return CommandText::perform({QStringLiteral("import"), {{QStringLiteral("source"), arguments.first()}}}, out, err);
}

int runResetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments != QStringList{QStringLiteral("--yes")}) {
        err << "Usage: korvelctl reset --yes\n" << ImportExport::resetQuestion().message << " Give --yes to reset.\n";
        return 2;
    }
    return CommandText::perform({QStringLiteral("reset"), {}}, out, err);
}

int runAutoImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const char* usage = "Usage: korvelctl autoimport set URL|--file NAME|--cloud ID [--minutes N] | autoimport off | autoimport show\n";
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("show") && arguments.size() == 1) {
        const KVAutoImportSettings& choices = KVSettings::getSettingsObject().kvAutoImport;
        const int source = choices.importFrom == 0 || choices.importFrom == 1 ? choices.importFrom : 2;
        static const char* const names[] = {"file", "cloud", "url"};
        const QString location = source == 0 ? choices.fileAutoImport : source == 1 ? choices.cloudID : choices.urlAutoImport;
        out << "enabled = " << (choices.doAutoImport ? "true" : "false") << "\nsource = " << names[source] << "\nlocation = " << location
            << "\nminutes = " << (choices.periodicity < 1 ? 1 : choices.periodicity) << '\n';
        return 0;
    }
    if (verb == QLatin1String("off") && arguments.size() == 1)
        return CommandText::perform({QStringLiteral("autoimport.off"), {}}, out, err);
    if (verb != QLatin1String("set")) {
        err << usage;
        return 2;
    }
    using Kind = CommandOptions::Kind;
    const std::optional<CommandOptions> options =
        CommandOptions::parse(arguments.mid(1), {{"--file", Kind::Value}, {"--cloud", Kind::Value}, {"--minutes", Kind::Value}}, err);
    if (!options)
        return 2;
    const QStringList& positional = options->positional();
    const int sources = int(positional.size()) + int(options->isSet("--file")) + int(options->isSet("--cloud"));
    if (sources != 1) {
        err << usage;
        return 2;
    }
    QJsonObject command;
    if (options->isSet("--file")) {
        command = {{QStringLiteral("source"), QStringLiteral("file")}, {QStringLiteral("location"), *options->value("--file")}};
    } else if (options->isSet("--cloud")) {
        command = {{QStringLiteral("source"), QStringLiteral("cloud")}, {QStringLiteral("location"), *options->value("--cloud")}};
    } else {
        command = {{QStringLiteral("source"), QStringLiteral("url")}, {QStringLiteral("location"), positional.first()}};
    }
    if (const std::optional<QString> minutes = options->value("--minutes")) {
        const std::optional<qint64> number = CommandText::parseNumber(*minutes, "a number of minutes", err);
        if (!number)
            return 2;
        command.insert(QStringLiteral("minutes"), *number);
    }
    return CommandText::perform({QStringLiteral("autoimport.set"), command}, out, err);
}

}  // namespace korvel
