#pragma once

#include <QByteArray>
#include <QJsonObject>

namespace korvel {

// The kiosk's status (as GET /v1/status gives it) in the Prometheus text format, version 0.0.4.
namespace MetricsText {

QByteArray fromStatus(const QJsonObject& status);
// A label value with backslash, double quote and line feed escaped.
QByteArray labelValue(const QString& text);

}  // namespace MetricsText

}  // namespace korvel
