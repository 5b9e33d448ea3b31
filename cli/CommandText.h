#pragma once

#include "control/ControlCommand.h"
#include "settings/WebsiteProtocol.h"

#include <QString>
#include <QTextStream>

#include <optional>

namespace korvel {

// How korvelctl reads the values typed after its commands and has the commands performed. Every
// "nothing" below has already told `err` why.
namespace CommandText {

// A non-negative decimal number such as an index from a "list" or a category id.
std::optional<qint64> parseNumber(const QString& text, const char* what, QTextStream& err);
// "http", "https" or "file", in any case.
std::optional<WebsiteProtocol> parseProtocol(const QString& text, QTextStream& err);
// "on" or "off", for the option `name`.
std::optional<bool> parseSwitch(const QString& text, const char* name, QTextStream& err);

// "http", "https", "file", or the stored number for a protocol that came from elsewhere.
QString protocolName(WebsiteProtocol protocol);
// The text in double quotes, with backslashes, quotes and line breaks escaped so that one record
// stays on one line.
QString quoted(const QString& text);

// Has `command` performed: by the Korvel running on the home (over its control socket), or, when
// none runs, here under the home's lock. Prints the reply, says on stderr which of the two
// happened, and returns the reply's exit status (1 when neither way was open).
int perform(const ControlCommand& command, QTextStream& out, QTextStream& err);

}  // namespace CommandText

}  // namespace korvel
