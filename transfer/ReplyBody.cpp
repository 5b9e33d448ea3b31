#include "transfer/ReplyBody.h"

#include <QNetworkReply>

namespace korvel {

bool appendWithin(QByteArray& body, QNetworkReply* reply, qint64 limit)
{
    if (body.size() + reply->bytesAvailable() > limit) {
        reply->abort();
        return false;
    }
    body.append(reply->readAll());
    return true;
}

}  // namespace korvel
