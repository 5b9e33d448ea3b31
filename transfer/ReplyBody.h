#pragma once

#include <QByteArray>

class QNetworkReply;

namespace korvel {

// Adds what `reply` has ready to `body`, unless that would take the body past `limit` bytes: then
// the reply is aborted and nothing is added (false). An answer far beyond what a settings document
// can be is no answer, and must not fill the kiosk's memory.
bool appendWithin(QByteArray& body, QNetworkReply* reply, qint64 limit);

}  // namespace korvel
