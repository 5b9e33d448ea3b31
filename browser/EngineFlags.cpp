#include "browser/EngineFlags.h"

namespace korvel {

namespace {

// Switches that expose the engine (remote debugging, devtools, disabling web security) or run
// other programs (a custom renderer, utility or GPU launcher prefix).
const char* const dangerous[] = {
    "remote-debugging-port",  "remote-debugging-pipe",   "remote-debugging-address", "remote-allow-origins",
    "auto-open-devtools-for-tabs", "devtools-flags",     "disable-web-security",     "allow-file-access-from-files",
    "renderer-cmd-prefix",    "utility-cmd-prefix",      "gpu-launcher",             "browser-subprocess-path",
    "user-data-dir",          "load-extension",          "enable-automation",        "webengine-remote-debugging",
};

QString switchName(const QString& argument)
{
    QString name = argument;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name.section(QLatin1Char('='), 0, 0).toLower();
}

}  // namespace

bool EngineFlags::isDangerous(const QString& argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return false;
    const QString name = switchName(argument);
    for (const char* d : dangerous) {
        if (name == QLatin1String(d))
            return true;
    }
    return false;
}

QStringList EngineFlags::sanitizedArguments(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!isDangerous(a)) {
            kept.append(a);
            continue;
        }
        // "--remote-debugging-port 9222": the value goes too.
        if (!a.contains(QLatin1Char('=')) && i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1Char('-')))
            ++i;
    }
    return kept;
}

QStringList EngineFlags::splitFlags(const QString& flags)
{
    QStringList parts;
    QString current;
    bool quoted = false;
    for (const QChar c : flags) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted) {
            if (!current.isEmpty())
                parts.append(current);
            current.clear();
            continue;
        }
        current.append(c);
    }
    if (!current.isEmpty())
        parts.append(current);
    return parts;
}

QString EngineFlags::sanitizedFlags(const QString& flags)
{
    return sanitizedArguments(splitFlags(flags)).join(QLatin1Char(' '));
}

}  // namespace korvel
