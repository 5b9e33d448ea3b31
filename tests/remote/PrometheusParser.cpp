#include "tests/remote/PrometheusParser.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace korvel::test {

std::optional<PrometheusSeries> parsePrometheus(const QByteArray& text, QString* error)
{
    static const QRegularExpression name(QStringLiteral("^[a-zA-Z_:][a-zA-Z0-9_:]*$"));
    static const QRegularExpression labelName(QStringLiteral("^[a-zA-Z_][a-zA-Z0-9_]*$"));
    static const QSet<QString> types{QStringLiteral("counter"), QStringLiteral("gauge"), QStringLiteral("histogram"),
                                     QStringLiteral("summary"), QStringLiteral("untyped")};
    const auto fail = [error](int line, const QString& why) {
        *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    if (!text.endsWith('\n'))
        return fail(0, QStringLiteral("the text must end with a line feed"));
    PrometheusSeries series;
    QMap<QString, QString> typeOf;
    QSet<QString> helped;
    QSet<QString> sampled;
    const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int n = i + 1;
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            const QStringList parts = line.split(QLatin1Char(' '));
            if (parts.size() < 3 || parts.at(0) != QLatin1String("#"))
                continue;  // a plain comment
            const QString& family = parts.at(2);
            if (!name.match(family).hasMatch())
                return fail(n, QStringLiteral("bad metric name ") + family);
            if (sampled.contains(family))
                return fail(n, QStringLiteral("HELP or TYPE after the samples of ") + family);
            if (parts.at(1) == QLatin1String("TYPE")) {
                if (parts.size() != 4 || !types.contains(parts.at(3)) || typeOf.contains(family))
                    return fail(n, QStringLiteral("bad or second TYPE"));
                typeOf.insert(family, parts.at(3));
            } else if (parts.at(1) == QLatin1String("HELP")) {
                if (helped.contains(family))
                    return fail(n, QStringLiteral("second HELP"));
                helped.insert(family);
            }
            continue;
        }
        // name{label="value",...} value
        qsizetype at = 0;
        while (at < line.size() && line.at(at) != QLatin1Char('{') && line.at(at) != QLatin1Char(' '))
            ++at;
        const QString metric = line.left(at);
        if (!name.match(metric).hasMatch())
            return fail(n, QStringLiteral("bad metric name ") + metric);
        QString labels;
        if (at < line.size() && line.at(at) == QLatin1Char('{')) {
            const qsizetype open = at++;
            QSet<QString> seen;
            while (true) {
                if (at < line.size() && line.at(at) == QLatin1Char('}'))
                    break;
                qsizetype eq = line.indexOf(QLatin1Char('='), at);
                if (eq < 0)
                    return fail(n, QStringLiteral("label without ="));
                const QString label = line.mid(at, eq - at);
                if (!labelName.match(label).hasMatch() || seen.contains(label))
                    return fail(n, QStringLiteral("bad or repeated label ") + label);
                seen.insert(label);
                at = eq + 1;
                if (at >= line.size() || line.at(at) != QLatin1Char('"'))
                    return fail(n, QStringLiteral("label value not quoted"));
                ++at;
                while (at < line.size() && line.at(at) != QLatin1Char('"')) {
                    if (line.at(at) == QLatin1Char('\\')) {
                        ++at;
                        if (at >= line.size() || !QStringLiteral("\\\"n").contains(line.at(at)))
                            return fail(n, QStringLiteral("bad escape"));
                    }
                    ++at;
                }
                if (at >= line.size())
                    return fail(n, QStringLiteral("unterminated label value"));
                ++at;
                if (at < line.size() && line.at(at) == QLatin1Char(','))
                    ++at;
                else if (at >= line.size() || line.at(at) != QLatin1Char('}'))
                    return fail(n, QStringLiteral("expected , or }"));
            }
            labels = line.mid(open, at - open + 1);
            ++at;
        }
        if (at >= line.size() || line.at(at) != QLatin1Char(' '))
            return fail(n, QStringLiteral("no value"));
        const QStringList rest = line.mid(at + 1).split(QLatin1Char(' '));
        bool ok = false;
        const double value = rest.value(0).toDouble(&ok);
        const bool special = rest.value(0) == QLatin1String("NaN") || rest.value(0) == QLatin1String("+Inf") || rest.value(0) == QLatin1String("-Inf");
        if ((!ok && !special) || rest.size() > 2)
            return fail(n, QStringLiteral("bad value ") + rest.value(0));
        const QString key = metric + labels;
        if (series.contains(key))
            return fail(n, QStringLiteral("duplicate series ") + key);
        sampled.insert(metric);
        series.insert(key, {metric, typeOf.value(metric, QStringLiteral("untyped")), value});
    }
    return series;
}

}  // namespace korvel::test
