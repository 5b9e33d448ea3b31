#include "policy/PSLData.h"

namespace korvel {

PSLData PSLData::fromLine(QStringView line)
{
    PSLData rule;
    rule.isException = line.startsWith(QLatin1Char('!'));
    if (rule.isException)
        line = line.mid(1);
    for (QStringView label : line.split(QLatin1Char('.'))) {
        if (label == QLatin1String("*"))
            rule.tldParts.append(PSLDataPart::wildcard());
        else
            rule.tldParts.append(PSLDataPart::characters(label.toString()));
    }
    rule.priority = int(rule.tldParts.size()) + (rule.isException ? 1000 : 0);
    return rule;
}

}  // namespace korvel
