#include "remote/RemoteToken.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace korvel::RemoteToken {

QString hashFile()
{
    return QFileInfo(Paths::keychainFile()).path() + QStringLiteral("/remote-control-token.sha256");
}

std::optional<QString> renew(QString* error)
{
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / int(sizeof(quint32)));
    const QByteArray token = bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QByteArray hash = QCryptographicHash::hash(token, QCryptographicHash::Sha256).toHex() + '\n';
    if (!AtomicFile::writeFile(hashFile(), hash, error, FileAccess::OwnerOnly))
        return std::nullopt;
    return QString::fromLatin1(token);
}

std::optional<QByteArray> storedHash()
{
    QFile file(hashFile());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.read(200).trimmed();
    const QByteArray hash = QByteArray::fromHex(text);
    if (text.size() != 64 || hash.size() != 32 || hash.toHex() != text.toLower())
        return std::nullopt;
    return hash;
}

bool matches(const QByteArray& presented, const QByteArray& hash)
{
    if (presented.isEmpty() || hash.size() != 32)
        return false;
    const QByteArray digest = QCryptographicHash::hash(presented, QCryptographicHash::Sha256);
    unsigned char difference = 0;
    for (int i = 0; i < 32; ++i)
        difference |= static_cast<unsigned char>(digest[i] ^ hash[i]);
    return difference == 0;
}

QByteArray fromAuthorization(const QByteArray& header)
{
    const QByteArray scheme = "Bearer ";
    if (header.size() <= scheme.size() || header.left(scheme.size()).toLower() != scheme.toLower())
        return {};
    const QByteArray token = header.mid(scheme.size()).trimmed();
    return token.size() <= 512 ? token : QByteArray();
}

}  // namespace korvel::RemoteToken
