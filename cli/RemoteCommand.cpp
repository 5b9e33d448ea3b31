#include "cli/RemoteCommand.h"

#include "cli/CommandOptions.h"
#include "control/ControlCommand.h"
#include "platform/AtomicFile.h"
#include "platform/DeviceCertificate.h"
#include "remote/RemoteRoutes.h"
#include "remote/MqttPassword.h"
#include "remote/RemoteToken.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslError>
#include <QTextStream>
#include <QTimer>
#include <QUrlQuery>

namespace korvel {

namespace {

const char* const usage =
    "korvelctl: usage: remote token | remote fingerprint | remote mqtt-password | remote --url URL --token-file FILE [--fingerprint FP | --insecure] "
    "status | metrics | screenshot --out FILE | navigate URL [--seconds N] | reload | home | end-visit | screen on|off "
    "| screen --brightness X | screensaver start|stop | restart | settings FILE | log [--since TIME]; see korvelctl --help\n";

struct Call {
    const char* route;  // the command name of the route
    QByteArray body;
    QString since;
    QString out;  // the file a screenshot goes to
};

// The call a command line asks for; nothing, after telling `err`, for a bad one.
std::optional<Call> callFor(const QStringList& words, const CommandOptions& options, QTextStream& err)
{
    const QString verb = words.value(0);
    const auto json = [](const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); };
    const auto plain = [&](const char* route) -> std::optional<Call> {
        if (words.size() != 1) {
            err << usage;
            return std::nullopt;
        }
        return Call{route, {}, {}, {}};
    };
    if (verb == QLatin1String("status"))
        return plain("kiosk.status");
    if (verb == QLatin1String("metrics")) {
        std::optional<Call> c = plain("kiosk.status");
        if (c)
            c->out = QStringLiteral("metrics");
        return c;
    }
    if (verb == QLatin1String("reload"))
        return plain("kiosk.reload");
    if (verb == QLatin1String("home"))
        return plain("kiosk.home");
    if (verb == QLatin1String("end-visit"))
        return plain("kiosk.end-visit");
    if (verb == QLatin1String("restart"))
        return plain("kiosk.restart");
    if (verb == QLatin1String("screenshot")) {
        const std::optional<QString> out = options.value("--out");
        if (!out || words.size() != 1) {
            err << "korvelctl: remote screenshot needs --out FILE\n";
            return std::nullopt;
        }
        return Call{"kiosk.screenshot", {}, {}, *out};
    }
    if (verb == QLatin1String("navigate") && words.size() == 2) {
        QJsonObject o{{QStringLiteral("url"), words.at(1)}};
        if (const std::optional<QString> seconds = options.value("--seconds")) {
            bool ok = false;
            const int n = seconds->toInt(&ok);
            if (!ok || n < 1) {
                err << "korvelctl: --seconds takes a whole number of seconds\n";
                return std::nullopt;
            }
            o.insert(QStringLiteral("seconds"), n);
        }
        return Call{"kiosk.navigate", json(o), {}, {}};
    }
    if (verb == QLatin1String("screen")) {
        QJsonObject o;
        if (words.size() == 2 && (words.at(1) == QLatin1String("on") || words.at(1) == QLatin1String("off")))
            o.insert(QStringLiteral("on"), words.at(1) == QLatin1String("on"));
        if (const std::optional<QString> brightness = options.value("--brightness")) {
            bool ok = false;
            const double b = brightness->toDouble(&ok);
            if (!ok) {
                err << "korvelctl: --brightness takes a number from 0 to 1\n";
                return std::nullopt;
            }
            o.insert(QStringLiteral("brightness"), b);
        }
        if (o.isEmpty()) {
            err << usage;
            return std::nullopt;
        }
        return Call{"kiosk.screen", json(o), {}, {}};
    }
    if (verb == QLatin1String("screensaver") && words.size() == 2)
        return Call{"kiosk.screensaver", json({{QStringLiteral("action"), words.at(1)}}), {}, {}};
    if (verb == QLatin1String("settings") && words.size() == 2) {
        QFile file(words.at(1));
        if (!file.open(QIODevice::ReadOnly)) {
            err << "korvelctl: cannot read " << words.at(1) << ": " << file.errorString() << '\n';
            return std::nullopt;
        }
        return Call{"settings.apply", file.readAll(), {}, {}};
    }
    if (verb == QLatin1String("log") && words.size() == 1)
        return Call{"log.read", {}, options.value("--since").value_or(QString()), {}};
    err << usage;
    return std::nullopt;
}

int send(const CommandOptions& options, const Call& call, QTextStream& out, QTextStream& err)
{
    const RemoteRoute* route = nullptr;
    const bool metrics = call.out == QLatin1String("metrics");
    for (const RemoteRoute& r : RemoteRoutes::all()) {
        const bool wanted = QLatin1String(r.command) == QLatin1String(call.route)
                            && (r.answer == RemoteRoute::Answer::Metrics) == metrics;
        if (wanted)
            route = &r;
    }
    QFile tokenFile(*options.value("--token-file"));
    if (!tokenFile.open(QIODevice::ReadOnly)) {
        err << "korvelctl: cannot read the token file: " << tokenFile.errorString() << '\n';
        return ExitStatus::Failed;
    }
    const QByteArray token = tokenFile.readAll().trimmed().split('\n').last().trimmed();
    QUrl url(*options.value("--url"));
    if (url.scheme() != QLatin1String("https") || url.host().isEmpty()) {
        err << "korvelctl: --url is the kiosk's https://HOST:PORT\n";
        return ExitStatus::Refused;
    }
    url.setPath(QString::fromLatin1(route->path));
    if (!call.since.isEmpty())
        url.setQuery(QUrlQuery{{QStringLiteral("since"), call.since}});
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", "Bearer " + token);
    if (route->body == RemoteRoute::Body::Json)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    else if (route->body == RemoteRoute::Body::Document)
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-plist"));
    request.setTransferTimeout(60000);
    QNetworkAccessManager network;
    QNetworkReply* reply = QLatin1String(route->method) == QLatin1String("GET") ? network.get(request) : network.post(request, call.body);
    const std::optional<QString> pinned = options.value("--fingerprint");
    const bool insecure = options.isSet("--insecure");
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [reply, pinned, insecure](const QList<QSslError>& errors) {
        // The kiosk's certificate is its own, not a CA's: it is trusted by its fingerprint.
        const QByteArray digest = reply->sslConfiguration().peerCertificate().digest(QCryptographicHash::Sha256);
        const bool pinnedMatches = pinned && QString(*pinned).remove(QLatin1Char(':')).compare(QString::fromLatin1(digest.toHex()), Qt::CaseInsensitive) == 0;
        if (pinnedMatches || insecure)
            reply->ignoreSslErrors(errors);
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->readAll();
    if (status == 0) {
        err << "korvelctl: " << url.toString() << ": " << reply->errorString()
            << (reply->error() == QNetworkReply::SslHandshakeFailedError ? "; give the kiosk's --fingerprint (korvelctl remote fingerprint on it)" : "")
            << '\n';
        return ExitStatus::Failed;
    }
    if (status != 200) {
        const QString error = QJsonDocument::fromJson(body).object().value(QStringLiteral("error")).toString();
        err << "korvelctl: " << status << ": " << (error.isEmpty() ? QString::fromUtf8(body) : error) << '\n';
        return status == 400 || status == 403 || status == 409 ? ExitStatus::Refused : ExitStatus::Failed;
    }
    if (route->answer == RemoteRoute::Answer::Png) {
        QString error;
        if (!AtomicFile::writeFile(call.out, body, &error)) {
            err << "korvelctl: " << error << '\n';
            return ExitStatus::Failed;
        }
        return ExitStatus::Done;
    }
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    if (route->answer == RemoteRoute::Answer::Json && object.size() == 1 && object.contains(QStringLiteral("message"))) {
        const QString message = object.value(QStringLiteral("message")).toString();
        if (!message.isEmpty())
            out << message << '\n';
    } else {
        out << (route->answer == RemoteRoute::Answer::Json ? QJsonDocument(object).toJson(QJsonDocument::Indented) : body);
    }
    return ExitStatus::Done;
}

}  // namespace

int runRemoteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("token")}) {
        QString error;
        const std::optional<QString> token = RemoteToken::renew(&error);
        if (!token) {
            err << "korvelctl: the token could not be kept: " << error << "; the previous one stays valid\n";
            return ExitStatus::Failed;
        }
        out << "A new remote control token; it replaces the previous one and is shown only now:\n" << *token << '\n';
        return ExitStatus::Done;
    }
    if (arguments == QStringList{QStringLiteral("mqtt-password")}) {
        // From standard input, never from the command line: that is visible to every user in ps.
        QTextStream in(stdin);
        const QByteArray password = in.readLine().toUtf8();
        QString error;
        if (!MqttPassword::store(password, &error)) {
            err << "korvelctl: the MQTT password could not be kept: " << error << "; the previous one stays\n";
            return ExitStatus::Failed;
        }
        out << (password.isEmpty() ? "The MQTT password is removed\n" : "The MQTT password is kept; it is used from the next connection\n");
        return ExitStatus::Done;
    }
    if (arguments == QStringList{QStringLiteral("fingerprint")}) {
        QString error;
        const std::optional<DeviceCertificate::Identity> identity = DeviceCertificate::loadOrCreate(&error);
        if (!identity) {
            err << "korvelctl: no device certificate: " << error << '\n';
            return ExitStatus::Failed;
        }
        out << identity->fingerprint << '\n';
        return ExitStatus::Done;
    }
    using Kind = CommandOptions::Kind;
    const std::optional<CommandOptions> options = CommandOptions::parse(
        arguments,
        {{"--url", Kind::Value}, {"--token-file", Kind::Value}, {"--fingerprint", Kind::Value}, {"--insecure", Kind::Flag},
         {"--out", Kind::Value}, {"--seconds", Kind::Value}, {"--brightness", Kind::Value}, {"--since", Kind::Value}},
        err);
    if (!options)
        return ExitStatus::Refused;
    if (!options->value("--url") || !options->value("--token-file")) {
        err << usage;
        return ExitStatus::Refused;
    }
    const std::optional<Call> call = callFor(options->positional(), *options, err);
    if (!call)
        return ExitStatus::Refused;
    return send(*options, *call, out, err);
}

}  // namespace korvel
