#pragma once

#include "policy/PSLDataPart.h"

#include <QList>
#include <QStringView>

#include <compare>

namespace korvel {

// One exception ("!www.ck") or wildcard ("*.ck") rule of the Public Suffix List.
struct PSLData {
    bool isException = false;
    QList<PSLDataPart> tldParts;  // the rule's labels, left to right, without the "!"
    int priority = 0;             // number of labels, plus 1000 for an exception

    // The rule of one line of the list: a leading "!" makes it an exception, "*" labels wildcards.
    static PSLData fromLine(QStringView line);

    // Rules compare by priority alone, as the list's own ranking of exceptions over longer rules does.
    bool operator==(const PSLData& other) const { return priority == other.priority; }
    std::strong_ordering operator<=>(const PSLData& other) const { return priority <=> other.priority; }
};

}  // namespace korvel
