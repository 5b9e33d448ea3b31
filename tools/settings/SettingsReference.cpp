// Writes docs/settings.md, the reference of every browser preference, from the schema that the
// kiosk, korvelctl and the imports check values against. The build writes it into the build tree;
// a test fails while the copy in docs/ differs.
#include "settings/KVBrowserPrefSettings.h"
#include "settings/PreferenceText.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

// A table cell: no line breaks, and no "|" that would end the cell.
QString cell(QString text)
{
    return text.replace(QLatin1Char('|'), QLatin1String("\\|")).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_reference OUTPUT.md\n");
        return 2;
    }
    using korvel::KVBrowserPrefSettings;
    QString text;
    QTextStream out(&text);
    out << "# Settings reference\n\n"
        << "<!-- Made by the build from the preference schema (tools/settings); do not edit by hand. -->\n\n"
        << "Every browser preference of a Korvel kiosk: its key (as `korvelctl pref get|set KEY`, the settings\n"
        << "document's \"BrowserPreferences\" dictionary and the managed configuration use it), its type, its\n"
        << "factory value and the values it takes. A value outside them is refused by `korvelctl pref set` and\n"
        << "replaced by the factory value when a settings document brings it.\n\n"
        << "    korvelctl pref list --describe        # the same, on the device\n"
        << "    korvelctl pref set IdleTimeout 120\n\n"
        << "| Key | Type | Factory value | Values | What it does |\n"
        << "|---|---|---|---|---|\n";
    const KVBrowserPrefSettings defaults = KVBrowserPrefSettings::init();
    for (const KVBrowserPrefSettings::Field& field : KVBrowserPrefSettings::fields()) {
        QString values;
        if (field.range) {
            values = number(field.range->minimum) + QStringLiteral(" to ") + number(field.range->maximum);
            if (field.typedRange)
                values += QStringLiteral(" (typed on the device: ") + number(field.typedRange->minimum) + QStringLiteral(" to ")
                          + number(field.typedRange->maximum) + QLatin1Char(')');
        }
        const QStringList names = field.valueNames();
        for (int i = 0; i < names.size(); ++i)
            values += (values.isEmpty() ? QString() : QString::fromLatin1(i == 0 ? "; " : ", ")) + QString::number(i) + QLatin1Char(' ') + names.at(i);
        const QString factory = korvel::PreferenceText::format(defaults, field);
        out << "| `" << field.key << "` | " << cell(korvel::PreferenceText::typeName(field.type)) << " | "
            << (factory.isEmpty() ? QStringLiteral("(empty)") : QLatin1Char('`') + cell(factory) + QLatin1Char('`')) << " | "
            << cell(values) << " | " << cell(QString::fromUtf8(field.description)) << " |\n";
    }
    out.flush();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) != text.toUtf8().size() || !file.flush()) {
        std::fprintf(stderr, "settings_reference: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
