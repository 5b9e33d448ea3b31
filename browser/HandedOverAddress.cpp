#include "browser/HandedOverAddress.h"

namespace korvel {

namespace {

std::optional<QUrl>& held()
{
    static std::optional<QUrl> address;
    return address;
}

}  // namespace

void HandedOverAddress::hold(const QUrl& url)
{
    held() = url;
}

std::optional<QUrl> HandedOverAddress::take()
{
    return std::exchange(held(), std::nullopt);
}

}  // namespace korvel
