#include "remote/MetricsText.h"

#include <QJsonArray>

namespace korvel::MetricsText {

namespace {

struct Writer {
    QByteArray out;

    void family(const char* name, const char* type, const char* help)
    {
        out += QByteArray("# HELP ") + name + ' ' + help + "\n# TYPE " + name + ' ' + type + '\n';
    }
    void sample(const char* name, double value, const QByteArray& labels = {})
    {
        out += name;
        if (!labels.isEmpty())
            out += '{' + labels + '}';
        out += ' ' + QByteArray::number(value, 'g', 15) + '\n';
    }
    void one(const char* name, const char* type, const char* help, double value)
    {
        family(name, type, help);
        sample(name, value);
    }
};

double number(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toDouble();
}

double flag(const QJsonObject& o, const char* key)
{
    return o.value(QLatin1String(key)).toBool() ? 1 : 0;
}

}  // namespace

QByteArray labelValue(const QString& text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '"')
            out += "\\\"";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

QByteArray fromStatus(const QJsonObject& status)
{
    Writer w;
    w.family("korvel_info", "gauge", "Korvel's version and its web engine's; always 1.");
    w.sample("korvel_info", 1,
             "version=\"" + labelValue(status.value(QLatin1String("version")).toString()) + "\",engine=\""
                 + labelValue(status.value(QLatin1String("engineVersion")).toString()) + "\",render_path=\""
                 + labelValue(status.value(QLatin1String("renderPath")).toString()) + '"');
    w.one("korvel_uptime_seconds", "gauge", "Seconds since Korvel started.", number(status, "uptimeSeconds"));
    const QJsonObject memory = status.value(QLatin1String("memory")).toObject();
    w.one("korvel_memory_bytes", "gauge", "Resident memory of Korvel's own process.", number(memory, "korvelBytes"));
    w.family("korvel_renderer_memory_bytes", "gauge", "Resident memory of each renderer process of the web engine.");
    for (const QJsonValue& renderer : memory.value(QLatin1String("renderers")).toArray()) {
        const QJsonObject r = renderer.toObject();
        w.sample("korvel_renderer_memory_bytes", number(r, "bytes"), "pid=\"" + QByteArray::number(qint64(number(r, "pid"))) + '"');
    }
    w.family("korvel_last_frame_age_seconds", "gauge", "Seconds since each window last put a frame on screen; -1 before its first.");
    for (const QJsonValue& frame : status.value(QLatin1String("frames")).toArray()) {
        const QJsonObject f = frame.toObject();
        const double ageMs = number(f, "ageMs");
        w.sample("korvel_last_frame_age_seconds", ageMs < 0 ? -1 : ageMs / 1000.0,
                 "window=\"" + labelValue(f.value(QLatin1String("window")).toString()) + '"');
    }
    const QJsonObject counts = status.value(QLatin1String("counts")).toObject();
    w.one("korvel_renderer_crashes_total", "counter", "Renderer processes that ended since the start.", number(counts, "rendererCrashes"));
    w.one("korvel_navigations_total", "counter", "Navigations put to the website rules since the start.", number(counts, "navigations"));
    w.one("korvel_refused_navigations_total", "counter", "Navigations the website rules refused since the start.",
          number(counts, "refusedNavigations"));
    w.one("korvel_load_errors_total", "counter", "Pages that failed to load since the start.", number(counts, "loadErrors"));
    w.one("korvel_imports_total", "counter", "Settings documents put into effect since the start.", number(counts, "imports"));
    w.one("korvel_screen_on", "gauge", "1 while the screen is on (not in the power saver).", flag(status, "screenOn"));
    w.one("korvel_screen_brightness", "gauge", "Screen brightness, 0 to 1.", number(status, "brightness"));
    w.one("korvel_screensaver_showing", "gauge", "1 while the screensaver shows.", flag(status, "screensaver"));
    w.one("korvel_visit_in_progress", "gauge", "1 while a visitor is on a website.", flag(status, "visitInProgress"));
    w.one("korvel_network_up", "gauge", "1 while the network is reachable.", status.value(QLatin1String("network")).toString() == QLatin1String("online") ? 1 : 0);
    w.one("korvel_settings_open", "gauge", "1 while the settings are open on the device.", flag(status, "settingsOpen"));
    return w.out;
}

}  // namespace korvel::MetricsText
