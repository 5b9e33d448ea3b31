#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

// The password the kiosk gives the MQTT broker. The broker needs it as it is, so it cannot be kept
// as a hash like the remote control token: it lives in an owner-only file beside the keychain,
// never in the settings (which are exported, shown and logged).
namespace MqttPassword {

QString file();
// Writes `password` (one line, at most 1024 bytes); an empty one removes the file. False, with the
// reason, when it could not be kept; the previous one then stays.
bool store(const QByteArray& password, QString* error);
// The kept password; nothing when none is kept, or the file is not owner-only or damaged (fails
// closed: the kiosk then connects without one and the broker refuses it).
std::optional<QByteArray> read(QString* problem = nullptr);

}  // namespace MqttPassword

}  // namespace korvel
