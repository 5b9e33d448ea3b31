#pragma once

#include <QString>

namespace korvel {

// How the log viewer tints a line: by the words it contains, the last rule that matches winning.
enum class LogTone { Plain, Warning, Error, Added };

// What an administrator can do about the website a line names.
enum class LogLineAction { None, AllowWebsite, DeleteWebsite };

struct LogLineWebsite {
    LogLineAction action = LogLineAction::None;
    QString url;  // the text between the first "<" and the next ">"
};

class LogLine {
public:
    static LogTone tone(const QString& displayLine);
    // A blocked or deleted website can be allowed, an added one deleted. A line without the
    // "<...>" form (or with nothing inside it) offers nothing.
    static LogLineWebsite website(const QString& displayLine);
};

}  // namespace korvel
