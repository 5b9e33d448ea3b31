#include "remote/MqttPassword.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>

namespace korvel::MqttPassword {

namespace {
constexpr int longest = 1024;
}

QString file()
{
    return QFileInfo(Paths::keychainFile()).path() + QStringLiteral("/mqtt-password");
}

bool store(const QByteArray& password, QString* error)
{
    if (password.size() > longest || password.contains('\n') || password.contains('\0')) {
        *error = QStringLiteral("the password must be one line of at most %1 bytes").arg(longest);
        return false;
    }
    if (password.isEmpty()) {
        if (QFile::exists(file()) && !QFile::remove(file())) {
            *error = QStringLiteral("%1 could not be removed").arg(file());
            return false;
        }
        return true;
    }
    return AtomicFile::writeFile(file(), password + '\n', error, FileAccess::OwnerOnly);
}

std::optional<QByteArray> read(QString* problem)
{
    const auto fail = [&](const QString& why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    QFile f(file());
    if (!f.exists())
        return fail(QString());
    if (f.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther))
        return fail(QStringLiteral("%1 is readable by others than its owner; it is not used").arg(file()));
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(file(), f.errorString()));
    const QByteArray text = f.read(longest + 2);
    if (!text.endsWith('\n') || text.count('\n') != 1 || text.size() < 2)
        return fail(QStringLiteral("%1 is damaged; it is not used").arg(file()));
    return text.chopped(1);
}

}  // namespace korvel::MqttPassword
