#pragma once

#include <QStringList>

namespace korvel {

// The web engine's command-line switches that could open the kiosk to the outside (remote developer
// tools, for one) are taken out of the program's arguments and of QTWEBENGINE_CHROMIUM_FLAGS.
class EngineFlags {
public:
    // The arguments without the dangerous switches (and their separate values).
    static QStringList sanitizedArguments(const QStringList& arguments);
    // The flags text without the dangerous switches; quoting is kept for the rest.
    static QString sanitizedFlags(const QString& flags);
    // Flags text broken into switches as the engine breaks it: spaces outside double quotes
    // separate, so a quoted rule list stays one switch (its quotes kept).
    static QStringList splitFlags(const QString& flags);
    static bool isDangerous(const QString& argument);
};

}  // namespace korvel
