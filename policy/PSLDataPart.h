#pragma once

#include <QString>
#include <QStringView>

namespace korvel {

// One label of an exception or wildcard rule: a fixed text, or "*", which stands for any one label.
struct PSLDataPart {
    enum class Kind { characters, wildcard };

    Kind kind = Kind::characters;
    QString text;  // the label as written in the list; empty for a wildcard

    static PSLDataPart characters(const QString& label) { return {Kind::characters, label}; }
    static PSLDataPart wildcard() { return {Kind::wildcard, QString()}; }

    // Whether the host label (already lower case) satisfies this part.
    bool matches(QStringView label) const { return kind == Kind::wildcard || text == label; }

    bool operator==(const PSLDataPart&) const = default;
};

}  // namespace korvel
