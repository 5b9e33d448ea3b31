#include "platform/KeychainPasswords.h"

#include "platform/Keychain.h"

namespace korvel {

namespace {

bool finish(int status, int* error)
{
    if (error)
        *error = status;
    return status == KeychainStatus::success;
}

}  // namespace

QString KeychainPasswords::passwordForService(const QString& service, const QString& account, int* error)
{
    if (service.isNull() || account.isNull()) {
        finish(missingArgument, error);
        return QString();
    }
    QByteArray data;
    if (!finish(Keychain::standard().copyMatching(service, account, &data), error))
        return QString();
    QString password = QString::fromUtf8(data);
    return password.isNull() ? QString(QLatin1String("")) : password;
}

bool KeychainPasswords::setPassword(const QString& password, const QString& service, const QString& account, int* error)
{
    if (password.isNull() || service.isNull() || account.isNull())
        return finish(missingArgument, error);
    Keychain keychain = Keychain::standard();
    const QByteArray data = password.toUtf8();
    int status = keychain.update(service, account, data);
    if (status == KeychainStatus::itemNotFound)
        status = keychain.add(service, account, data);
    return finish(status, error);
}

}  // namespace korvel
