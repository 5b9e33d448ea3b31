#include "cli/LearnCommand.h"

#include "cli/CommandText.h"
#include "policy/LoadLearning.h"
#include "settings/KVSettings.h"

#include <QTextStream>

#include <iostream>
#include <string>

namespace korvel {

namespace {

const char* const usage = "korvelctl: usage: learn start | learn stop | learn show | learn apply [--yes]; see korvelctl --help\n";

QString countsText(const QMap<QString, qint64>& counts)
{
    QStringList parts;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        parts << it.key() + QLatin1Char(' ') + QString::number(it.value());
    return parts.join(QStringLiteral(", "));
}

std::optional<LearnedLoads> readRecord(QTextStream& err)
{
    QString error;
    std::optional<LearnedLoads> records = LoadLearning::read(LoadLearning::defaultPath(), &error);
    if (!records)
        err << "korvelctl: " << error << '\n';
    return records;
}

}  // namespace

int runLearnCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if ((verb == QLatin1String("start") || verb == QLatin1String("stop")) && arguments.size() == 1) {
        return CommandText::perform({QStringLiteral("pref.set"), {{QStringLiteral("key"), QStringLiteral("LearnSubresources")},
                                                                  {QStringLiteral("value"), verb == QLatin1String("start") ? QStringLiteral("true") : QStringLiteral("false")}}},
                                    out, err);
    }
    if (verb == QLatin1String("show") && arguments.size() == 1) {
        const std::optional<LearnedLoads> records = readRecord(err);
        if (!records)
            return ExitStatus::Failed;
        if (records->isEmpty())
            out << "Nothing learned yet.\n";
        for (auto site = records->begin(); site != records->end(); ++site) {
            out << site.key() << '\n';
            for (auto host = site->loads.begin(); host != site->loads.end(); ++host)
                out << "  loads from " << host.key() << ": " << countsText(host.value()) << '\n';
            for (auto nav = site->refusedNavigations.begin(); nav != site->refusedNavigations.end(); ++nav)
                out << "  refused navigation " << nav.key() << " (" << nav.value() << ")\n";
        }
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("apply") && (arguments.size() == 1 || arguments.mid(1) == QStringList{QStringLiteral("--yes")})) {
        const std::optional<LearnedLoads> records = readRecord(err);
        if (!records)
            return ExitStatus::Failed;
        const QList<LearnedAddition> additions = LoadLearning::additions(KVSettings::getSettingsObject(), *records);
        if (additions.isEmpty()) {
            out << "Nothing to add: every learned host already loads in strict mode.\n";
            return ExitStatus::Done;
        }
        out << "Also allowed for loading, to be added:\n";
        for (const LearnedAddition& a : additions)
            out << "  " << a.website << ": " << a.host << " (" << countsText(a.types) << ")\n";
        if (arguments.size() == 1) {
            out << "Add these " << additions.size() << " hosts? [y/N] ";
            out.flush();
            std::string answer;
            if (!std::getline(std::cin, answer) || (answer != "y" && answer != "Y" && answer != "yes")) {
                out << "Nothing was changed.\n";
                return ExitStatus::Done;
            }
        }
        return CommandText::perform({QStringLiteral("learn.apply"), {}}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
