#include "cli/CommandOptions.h"

#include <QTextStream>

namespace korvel {

std::optional<CommandOptions> CommandOptions::parse(const QStringList& arguments, const QList<Option>& known, QTextStream& err)
{
    CommandOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1String("--"))) {
            options.m_positional.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const Option* option = nullptr;
        for (const Option& candidate : known) {
            if (name == QLatin1String(candidate.name))
                option = &candidate;
        }
        if (!option) {
            err << "korvelctl: unknown option \"" << name << "\"\n";
            return std::nullopt;
        }
        switch (option->kind) {
        case Kind::Flag:
            if (equals >= 0) {
                err << "korvelctl: " << name << " takes no value\n";
                return std::nullopt;
            }
            options.m_given.append({name, QString()});
            break;
        case Kind::Value:
            if (equals >= 0) {
                options.m_given.append({name, argument.mid(equals + 1)});
            } else if (i + 1 < arguments.size()) {
                options.m_given.append({name, arguments.at(++i)});
            } else {
                err << "korvelctl: " << name << " needs a value\n";
                return std::nullopt;
            }
            break;
        }
    }
    return options;
}

bool CommandOptions::isSet(const char* name) const
{
    for (const auto& [given, value] : m_given) {
        if (given == QLatin1String(name))
            return true;
    }
    return false;
}

std::optional<QString> CommandOptions::value(const char* name) const
{
    std::optional<QString> last;
    for (const auto& [given, value] : m_given) {
        if (given == QLatin1String(name))
            last = value;
    }
    return last;
}

QStringList CommandOptions::values(const char* name) const
{
    QStringList all;
    for (const auto& [given, value] : m_given) {
        if (given == QLatin1String(name))
            all.append(value);
    }
    return all;
}

}  // namespace korvel
