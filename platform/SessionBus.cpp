#include "platform/SessionBus.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace korvel::SessionBus {

std::optional<QByteArray> addressToSet(const QByteArray& given, const std::optional<QString>& userBus)
{
    if (!given.trimmed().isEmpty())
        return std::nullopt;
    if (userBus)
        return QByteArrayLiteral("unix:path=") + escapedPath(*userBus);
    return QByteArray(none);
}

QByteArray escapedPath(const QString& path)
{
    static constexpr char hex[] = "0123456789abcdef";
    QByteArray escaped;
    for (const char c : QFile::encodeName(path)) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
            || QByteArrayView("-_/.\\*").contains(c)) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += hex[byte >> 4];
            escaped += hex[byte & 0xf];
        }
    }
    return escaped;
}

void prepareEnvironment()
{
    std::optional<QString> userBus;
    if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); !runtime.isEmpty()) {
        const QString path = runtime + QStringLiteral("/bus");
        struct stat info {};
        // As the library looks for it: a socket, and this user's.
        if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == ::getuid())
            userBus = path;
    }
    if (const std::optional<QByteArray> address = addressToSet(qgetenv("DBUS_SESSION_BUS_ADDRESS"), userBus))
        qputenv("DBUS_SESSION_BUS_ADDRESS", *address);
}

}  // namespace korvel::SessionBus
