#include "transfer/CloudService.h"

#include "platform/UserDefaults.h"

namespace korvel {

namespace {

QString& commandLineAddress()
{
    static QString address;
    return address;
}

}  // namespace

bool CloudService::configureFromArguments(const QStringList& arguments)
{
    const QString option = QLatin1String(optionName);
    const QString prefix = option + QLatin1Char('=');
    std::optional<QString> given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == option) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return false;
            given = arguments.at(++i);
        } else if (argument.startsWith(prefix)) {
            if (argument.size() == prefix.size())
                return false;
            given = argument.mid(prefix.size());
        }
    }
    if (given)
        setCommandLineAddress(*given);
    return true;
}

void CloudService::setCommandLineAddress(const QString& text)
{
    commandLineAddress() = text;
}

CloudService::Address CloudService::address()
{
    QString text = commandLineAddress();
    QString source = QLatin1String(optionName);
    if (text.isEmpty()) {
        text = qEnvironmentVariable(environmentVariable);
        source = QLatin1String(environmentVariable);
    }
    if (text.isEmpty()) {
        const QVariantMap managed = UserDefaults::standard().dictionaryForKey(QLatin1String(UserDefaults::managedKey));
        text = managed.value(QLatin1String(managedKey)).toString();
        source = QStringLiteral("the managed configuration's ") + QLatin1String(managedKey);
    }
    if (text.isEmpty())
        return {std::nullopt, QStringLiteral("No cloud service is configured")};
    QString error;
    std::optional<QUrl> url = parseAddress(text, &error);
    if (!url)
        return {std::nullopt, source + QStringLiteral(": ") + error};
    return {url, QString()};
}

std::optional<QUrl> CloudService::parseAddress(const QString& text, QString* error)
{
    auto refuse = [error](const QString& reason) -> std::optional<QUrl> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return refuse(QStringLiteral("the cloud service address must be an http or https URL"));
    if (url.host().isEmpty())
        return refuse(QStringLiteral("the cloud service address has no host"));
    // A query or fragment would end up after the resource name; credentials would travel in clear logs.
    if (url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return refuse(QStringLiteral("the cloud service address may not carry a query, fragment or user name"));
    return url;
}

QUrl CloudService::endpoint(const QUrl& base, Resource resource)
{
    QUrl url = base;
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    switch (resource) {
    case Resource::PutSettings:
        path += QStringLiteral("/putsettings.ashx");
        break;
    case Resource::GetSettings:
        path += QStringLiteral("/getsettings.ashx");
        break;
    }
    url.setPath(path);
    return url;
}

}  // namespace korvel
