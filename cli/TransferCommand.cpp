#include "cli/TransferCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "settings/KVSettings.h"
#include "platform/PropertyList.h"
#include "transfer/ImportExport.h"
#include "transfer/ManagedConfiguration.h"

#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace korvel {

int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList names = arguments;
    const bool pellmor = names.removeAll(QStringLiteral("--pellmor")) > 0;
    const bool clearPassword = names.removeAll(QStringLiteral("--clear-password")) > 0;
    if (pellmor && names.isEmpty() && !clearPassword)
        return CommandText::perform({QStringLiteral("export.pellmor"), {}}, out, err);
    if (pellmor || names.size() != 1 || names.first().startsWith(QLatin1String("--"))) {
        err << "Usage: korvelctl export NAME [--clear-password] | export --pellmor\n";
        return ExitStatus::Refused;
    }
    QJsonObject command{{QStringLiteral("name"), names.first()}};
    if (clearPassword) {
        // The store keeps only a hash: the password itself must be given, and it is checked.
        const std::optional<QString> password = CommandText::readSecret("Administrator password: ", err);
        if (!password) {
            err << "korvelctl: no password on standard input\n";
            return ExitStatus::Refused;
        }
        command.insert(QStringLiteral("password"), *password);
    }
    return CommandText::perform({QStringLiteral("export"), command}, out, err);
}

int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList sources = arguments;
    const bool dryRun = sources.removeAll(QStringLiteral("--dry-run")) > 0;
    if (sources.size() != 1) {
        err << "Usage: korvelctl import [--dry-run] NAME|URL\n";
        return ExitStatus::Refused;
    }
    return CommandText::perform({dryRun ? QStringLiteral("import.check") : QStringLiteral("import"), {{QStringLiteral("source"), sources.first()}}},
                                out, err);
}

int runManagedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 2 || arguments.first() != QLatin1String("check")) {
        err << "Usage: korvelctl managed check FILE\n";
        return ExitStatus::Refused;
    }
    // Read as Korvel reads the managed configuration: a property list whose root is a dictionary.
    const QString file = arguments.at(1);
    const PropertyListParse parsed = PropertyList::readFile(file);
    if (!parsed.ok()) {
        err << "korvelctl: " << file << " is not a property list: " << parsed.message << '\n';
        return ExitStatus::Refused;
    }
    if (parsed.value.typeId() != QMetaType::QVariantMap) {
        err << "korvelctl: " << file << ": its root is not a dictionary\n";
        return ExitStatus::Refused;
    }
    const QVariantMap configuration = parsed.value.toMap();
    const QVariant settingsXML = configuration.value(QLatin1String(ManagedConfiguration::settingsKey));
    if (settingsXML.typeId() != QMetaType::QString) {
        err << "korvelctl: " << file << " has no \"SettingsXML\" text: Korvel would take nothing from it\n";
        return ExitStatus::Refused;
    }
    const QVariant enforced = configuration.value(QLatin1String(ManagedConfiguration::enforcedKey));
    if (enforced.isValid() && enforced.typeId() != QMetaType::Bool) {
        err << "korvelctl: " << file << ": \"Enforced\" must be <true/> or <false/>\n";
        return ExitStatus::Refused;
    }
    return CommandText::perform({QStringLiteral("managed.check"),
                                 {{QStringLiteral("settingsXML"), settingsXML.toString()},
                                  {QStringLiteral("enforced"), ManagedConfiguration::isEnforced(configuration)},
                                  {QStringLiteral("file"), file}}},
                                out, err);
}

int runResetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments != QStringList{QStringLiteral("--yes")}) {
        err << "Usage: korvelctl reset --yes\n" << ImportExport::resetQuestion().message << " Give --yes to reset.\n";
        return ExitStatus::Refused;
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
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("off") && arguments.size() == 1)
        return CommandText::perform({QStringLiteral("autoimport.off"), {}}, out, err);
    if (verb != QLatin1String("set")) {
        err << usage;
        return ExitStatus::Refused;
    }
    using Kind = CommandOptions::Kind;
    const std::optional<CommandOptions> options =
        CommandOptions::parse(arguments.mid(1), {{"--file", Kind::Value}, {"--cloud", Kind::Value}, {"--minutes", Kind::Value}}, err);
    if (!options)
        return ExitStatus::Refused;
    const QStringList& positional = options->positional();
    const int sources = int(positional.size()) + int(options->isSet("--file")) + int(options->isSet("--cloud"));
    if (sources != 1) {
        err << usage;
        return ExitStatus::Refused;
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
            return ExitStatus::Refused;
        command.insert(QStringLiteral("minutes"), *number);
    }
    return CommandText::perform({QStringLiteral("autoimport.set"), command}, out, err);
}

}  // namespace korvel
