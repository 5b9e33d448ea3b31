#include "log/LogLine.h"

namespace korvel {

LogTone LogLine::tone(const QString& line)
{
    // In this order, the last match winning: an "Error" line about an added website is green.
    LogTone tone = LogTone::Plain;
    const struct {
        const char* word;
        LogTone tone;
    } rules[] = {
        {"Warning", LogTone::Warning},  {"Error", LogTone::Error},     {"URL_Blocked", LogTone::Error},
        {"URL_Added", LogTone::Added},  {"URL_Updated", LogTone::Added}, {"URL_Deleted", LogTone::Warning},
    };
    for (const auto& rule : rules) {
        if (line.contains(QLatin1String(rule.word)))
            tone = rule.tone;
    }
    return tone;
}

LogLineWebsite LogLine::website(const QString& line)
{
    LogLineAction action = LogLineAction::None;
    if (line.contains(QLatin1String("URL_Blocked")) || line.contains(QLatin1String("URL_Deleted")))
        action = LogLineAction::AllowWebsite;
    else if (line.contains(QLatin1String("URL_Added")))
        action = LogLineAction::DeleteWebsite;
    if (action == LogLineAction::None)
        return {};
    const qsizetype open = line.indexOf(QLatin1Char('<'));
    const qsizetype close = open < 0 ? -1 : line.indexOf(QLatin1Char('>'), open + 1);
    if (close <= open + 1)
        return {};
    return {action, line.mid(open + 1, close - open - 1)};
}

}  // namespace korvel
