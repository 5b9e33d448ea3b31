#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// Makes the desktop hand "korvel:" addresses to this program: a desktop entry that declares
// x-scheme-handler/korvel, and the default-application line of the user's mimeapps.list.
namespace SchemeHandler {

inline constexpr const char* kDesktopFileName = "korvel.desktop";
inline constexpr const char* kMimeType = "x-scheme-handler/korvel";

// The desktop entry that starts `command` (program and its fixed arguments) with the address.
QString desktopEntry(const QStringList& command);
// `list` (a mimeapps.list) with korvel.desktop as the default handler of the scheme; every other
// line is kept as it was.
QString withDefaultHandler(const QString& list);
// Writes both files under the given XDG data and config directories, each only when it would
// change. False with `error` set when either cannot be written.
bool registerHandler(const QString& dataDirectory, const QString& configDirectory, const QStringList& command,
                     QString* error = nullptr);

}  // namespace SchemeHandler

}  // namespace korvel
