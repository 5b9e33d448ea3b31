#pragma once

#include <QStringList>

#include <optional>

class QTextStream;

namespace korvel {

// The "--name" and "--name VALUE" options of one korvelctl command, given in any order among its
// positional arguments. "--" ends the options, so a title may start with dashes.
class CommandOptions {
public:
    enum class Kind { Flag, Value };
    struct Option {
        const char* name;  // with its dashes: "--title"
        Kind kind;
    };

    // Nothing, after telling `err` why, when an option is not among `known`, lacks its value, or a
    // flag is given a value.
    static std::optional<CommandOptions> parse(const QStringList& arguments, const QList<Option>& known, QTextStream& err);

    const QStringList& positional() const { return m_positional; }
    bool isSet(const char* name) const;
    // The last value given, or nothing when the option is absent.
    std::optional<QString> value(const char* name) const;
    // Every value given, in order.
    QStringList values(const char* name) const;

private:
    QStringList m_positional;
    QList<std::pair<QString, QString>> m_given;  // name, value ("" for a flag)
};

}  // namespace korvel
