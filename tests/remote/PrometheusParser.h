#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

namespace korvel::test {

// A strict reader of the Prometheus text format (0.0.4): HELP and TYPE lines before their family's
// samples, one TYPE per family, metric and label names of the allowed characters, label values
// with only \\, \" and \n escaped, a float value, no duplicate series. Nothing, with the first
// fault in `error`, for text a Prometheus server would refuse.
struct PrometheusSample {
    QString family;
    QString type;
    double value = 0;
};
using PrometheusSeries = QMap<QString, PrometheusSample>;  // "name{labels}" as written

std::optional<PrometheusSeries> parsePrometheus(const QByteArray& text, QString* error);

}  // namespace korvel::test
