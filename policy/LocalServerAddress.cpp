#include "policy/LocalServerAddress.h"

namespace korvel {

bool LocalServerAddress::serves(const QUrl& url) const
{
    return url.isValid() && url.scheme() == QLatin1String("http") && url.userInfo().isEmpty() && !host.isEmpty()
           && url.host() == host && url.port(80) == port;
}

}  // namespace korvel
