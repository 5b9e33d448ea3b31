#include "remote/net/MqttLink.h"

#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "remote/MqttPassword.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <mosquitto.h>
#include <openssl/ssl.h>

#include <cstring>

namespace korvel {

const QString MqttLink::logCategory = QStringLiteral("MQTT");

namespace {

constexpr int keepAliveSeconds = 30;
constexpr qint64 statusEveryMs = 60 * 1000;

MqttLink* linkOf(void* object)
{
    return static_cast<MqttLink*>(object);
}

}  // namespace

MqttLink::MqttLink(Performer performer, Status status, QObject* parent)
    : QObject(parent)
    , m_performer(std::move(performer))
    , m_status(std::move(status))
{
    static const bool initialised = [] {
        mosquitto_lib_init();
        return true;
    }();
    Q_UNUSED(initialised);
}

MqttLink::~MqttLink()
{
    stop();
}

bool MqttLink::start(const Settings& settings, QString* error)
{
    stop();
    if (settings.host.trimmed().isEmpty()) {
        *error = QStringLiteral("no broker is set (MqttHost)");
        return false;
    }
    QString problem;
    const std::optional<MqttRules::Topics> topics = MqttRules::topics(settings.prefix, &problem);
    if (!topics) {
        *error = problem;
        return false;
    }
    m_settings = settings;
    m_topics = *topics;
    const QByteArray clientId = (QStringLiteral("korvel-") + MqttRules::defaultPrefix(settings.device.id).section(QLatin1Char('/'), 1)).left(64).toUtf8();
    m_mosq = mosquitto_new(clientId.constData(), true, this);
    if (!m_mosq) {
        *error = QStringLiteral("the MQTT client could not be made");
        return false;
    }
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    const QByteArray offline = "offline";
    const QByteArray availability = m_topics.availability.toUtf8();
    int rc = mosquitto_will_set(m_mosq, availability.constData(), int(offline.size()), offline.constData(), 1, true);
    if (rc == MOSQ_ERR_SUCCESS && settings.tls) {
        const QByteArray ca = settings.caFile.toUtf8();
        rc = mosquitto_tls_set(m_mosq, ca.isEmpty() ? nullptr : ca.constData(), ca.isEmpty() ? "/etc/ssl/certs" : nullptr, nullptr,
                               nullptr, nullptr);
        if (rc == MOSQ_ERR_SUCCESS)
            rc = mosquitto_tls_opts_set(m_mosq, 1, "tlsv1.2", nullptr);
    }
    if (rc != MOSQ_ERR_SUCCESS) {
        *error = QString::fromUtf8(mosquitto_strerror(rc));
        mosquitto_destroy(m_mosq);
        m_mosq = nullptr;
        return false;
    }
    mosquitto_connect_callback_set(m_mosq, [](mosquitto*, void* object, int result) { linkOf(object)->connected(result); });
    mosquitto_message_callback_set(m_mosq, [](mosquitto*, void* object, const mosquitto_message* message) {
        if (message)
            linkOf(object)->received(*message);
    });
    m_misc = new Timer(this);
    connect(m_misc, &Timer::timeout, this, [this] {
        if (!m_mosq || (!m_read && !m_write))
            return;
        // Also where the broker stopped answering pings: the library has closed the socket then.
        const int result = mosquitto_loop_misc(m_mosq);
        if (result != MOSQ_ERR_SUCCESS)
            return lost(result == MOSQ_ERR_NO_CONN ? QStringLiteral("the broker stopped answering") : QString::fromUtf8(mosquitto_strerror(result)));
        if (m_connected)
            publishStatus(false);
        service();
    });
    m_misc->start(std::chrono::seconds(1));
    m_reconnect = new Timer(this);
    connect(m_reconnect, &Timer::timeout, this, [this] { connectNow(); });
    connectNow();
    return true;
}

void MqttLink::stop()
{
    if (!m_mosq)
        return;
    if (m_connected) {
        publish(m_topics.availability, "offline", true);
        mosquitto_disconnect(m_mosq);
        // What is queued leaves now, as far as the socket takes it without waiting.
        for (int i = 0; i < 10 && mosquitto_want_write(m_mosq); ++i)
            mosquitto_loop_write(m_mosq, 1);
        KVLog(logCategory, QStringLiteral("Disconnected from %@"), m_settings.host);
    }
    delete m_read;
    delete m_write;
    delete m_misc;
    delete m_reconnect;
    m_read = m_write = nullptr;
    m_misc = m_reconnect = nullptr;
    mosquitto_destroy(m_mosq);
    m_mosq = nullptr;
    m_connected = false;
    m_everConnected = false;
    m_failures = 0;
    m_lastStatus.clear();
}

void MqttLink::connectNow()
{
    if (!m_mosq)
        return;
    // A name is looked up first without blocking: the library's own lookup would hold the screens
    // for as long as the name server takes to answer.
    if (QHostAddress(m_settings.host).isNull()) {
        QPointer<MqttLink> self(this);
        QHostInfo::lookupHost(m_settings.host, this, [self](const QHostInfo& info) {
            if (!self || !self->m_mosq)
                return;
            if (info.error() != QHostInfo::NoError)
                return self->lost(QStringLiteral("%1 is not found: %2").arg(self->m_settings.host, info.errorString()));
            self->watchSocket();
        });
        return;
    }
    watchSocket();
}

void MqttLink::watchSocket()
{
    delete m_read;
    delete m_write;
    m_read = m_write = nullptr;
    // The password is read at every connection: a new one takes effect without a restart.
    QString problem;
    const std::optional<QByteArray> password = MqttPassword::read(&problem);
    if (!problem.isEmpty())
        KVLog(logCategory, QStringLiteral("%@"), problem);
    const QByteArray user = m_settings.user.toUtf8();
    mosquitto_username_pw_set(m_mosq, user.isEmpty() ? nullptr : user.constData(),
                              user.isEmpty() || !password ? nullptr : password->constData());
    const QByteArray host = m_settings.host.toUtf8();
    const int rc = m_everConnected ? mosquitto_reconnect_async(m_mosq)
                                   : mosquitto_connect_async(m_mosq, host.constData(), m_settings.port, keepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS)
        return lost(QString::fromUtf8(rc == MOSQ_ERR_ERRNO ? strerror(errno) : mosquitto_strerror(rc)));
    m_everConnected = true;
    const int fd = mosquitto_socket(m_mosq);
    if (fd < 0)
        return lost(QStringLiteral("no socket"));
    m_read = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_read, &QSocketNotifier::activated, this, [this] {
        // One packet a read. Over TLS the rest of what arrived may wait, already decrypted, inside
        // the TLS session, where the socket no longer shows it: read on while it holds any.
        for (int packets = 0; packets < 1000; ++packets) {
            const int result = mosquitto_loop_read(m_mosq, 1);
            if (result != MOSQ_ERR_SUCCESS)
                return lost(result == MOSQ_ERR_CONN_REFUSED ? QStringLiteral("the broker refused the connection")
                                                            : QString::fromUtf8(mosquitto_strerror(result)));
            auto* tls = static_cast<SSL*>(mosquitto_ssl_get(m_mosq));
            if (!tls || SSL_pending(tls) <= 0)
                break;
        }
        service();
    });
    m_write = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_write, &QSocketNotifier::activated, this, [this] {
        const int result = mosquitto_loop_write(m_mosq, 1);
        if (result != MOSQ_ERR_SUCCESS)
            return lost(QString::fromUtf8(result == MOSQ_ERR_ERRNO ? strerror(errno) : mosquitto_strerror(result)));
        service();
    });
    service();
}

void MqttLink::service()
{
    if (m_write)
        m_write->setEnabled(m_mosq && mosquitto_want_write(m_mosq));
}

void MqttLink::lost(const QString& why)
{
    // The notifiers go first: a closed socket stays readable and would spin.
    for (QSocketNotifier* notifier : {m_read, m_write}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_read = m_write = nullptr;
    if (!m_mosq)
        return;
    if (m_connected)
        KVLog(logCategory, QStringLiteral("Connection to %@ lost: %@"), m_settings.host, why);
    m_connected = false;
    ++m_failures;
    const std::chrono::milliseconds delay = MqttRules::reconnectDelay(m_failures, QRandomGenerator::global()->generateDouble());
    // Each failure of a series is not logged: a broker that is away for a night would fill the log.
    if (m_failures == 1 || m_failures % 60 == 0)
        KVLog(logCategory, QStringLiteral("No connection to %@ port %@ (%@); trying again in %@ s"), m_settings.host,
              QString::number(m_settings.port), why, QString::number(delay.count() / 1000.0, 'f', 1));
    m_reconnect->start(delay, TimerMode::SingleShot);
}

void MqttLink::connected(int result)
{
    if (result != 0) {
        // The read that brought the refusal fails next and counts it.
        KVLog(logCategory, QStringLiteral("The broker %@ refused the connection: %@"), m_settings.host,
              QString::fromUtf8(mosquitto_connack_string(result)));
        return;
    }
    m_connected = true;
    m_failures = 0;
    KVLog(logCategory, QStringLiteral("Connected to %@ port %@ as %@"), m_settings.host, QString::number(m_settings.port),
          m_topics.command.section(QLatin1Char('/'), 0, -2));
    const QByteArray command = m_topics.command.toUtf8();
    mosquitto_subscribe(m_mosq, nullptr, command.constData(), 1);
    publish(m_topics.availability, "online", true);
    for (const MqttRules::Message& message : MqttRules::discovery(m_topics, m_settings.device))
        publish(message.topic, message.payload, true);
    publishStatus(true);
}

bool MqttLink::admit()
{
    const QDateTime now = Clock::instance().now();
    if (!m_windowStart.isValid() || m_windowStart.msecsTo(now) >= 1000 || m_windowStart.msecsTo(now) < 0) {
        if (m_dropped > 0)
            KVLog(logCategory, QStringLiteral("%@ messages dropped: more than %@ in a second"), QString::number(m_dropped),
                  QString::number(commandsPerSecond));
        m_windowStart = now;
        m_windowCount = 0;
        m_dropped = 0;
    }
    if (++m_windowCount <= commandsPerSecond)
        return true;
    ++m_dropped;
    return false;
}

void MqttLink::received(const mosquitto_message& message)
{
    if (!admit())
        return;
    // Only the command topic was asked for; a broker that sends anything else is not obeyed.
    if (QString::fromUtf8(message.topic) != m_topics.command) {
        KVLog(logCategory, QStringLiteral("Message on %@ ignored: not the command topic"), QString::fromUtf8(message.topic).left(200));
        return;
    }
    const QByteArray payload = message.payloadlen > MqttRules::payloadLimit + 1
                                   ? QByteArray(MqttRules::payloadLimit + 1, ' ')  // too large: not read, only refused
                                   : QByteArray(static_cast<const char*>(message.payload), message.payloadlen);
    QString id;
    QString problem;
    const std::optional<ControlCommand> command = MqttRules::command(payload, message.retain, &id, &problem);
    const QString who = QStringLiteral("MQTT (%1)").arg(m_settings.host);
    if (!command) {
        KVLog(logCategory, QStringLiteral("Command refused from %@: %@"), who, problem);
        publish(m_topics.reply, MqttRules::reply(id, QString(), ControlReply::refused(problem)), false);
        return;
    }
    QPointer<MqttLink> self(this);
    const QString name = command->name.mid(int(qstrlen("kiosk.")));
    m_performer(*command, who, [self, id, name](const ControlReply& reply) {
        if (!self || !self->m_connected)
            return;
        self->publish(self->m_topics.reply, MqttRules::reply(id, name, reply), false);
        self->publishStatus(false);
    });
}

void MqttLink::publish(const QString& topic, const QByteArray& payload, bool retain)
{
    if (!m_mosq)
        return;
    const QByteArray t = topic.toUtf8();
    const int rc = mosquitto_publish(m_mosq, nullptr, t.constData(), int(payload.size()), payload.constData(), 1, retain);
    if (rc != MOSQ_ERR_SUCCESS && rc != MOSQ_ERR_NO_CONN)
        KVLog(logCategory, QStringLiteral("Not published on %@: %@"), topic, QString::fromUtf8(mosquitto_strerror(rc)));
    service();
}

void MqttLink::publishStatus(bool always)
{
    if (!m_status)
        return;
    const QDateTime now = Clock::instance().now();
    QJsonObject status = MqttRules::publishedStatus(m_status());
    const QByteArray digest = QJsonDocument(status).toJson(QJsonDocument::Compact);
    const bool due = !m_lastStatusAt.isValid() || m_lastStatusAt.msecsTo(now) >= statusEveryMs || m_lastStatusAt.msecsTo(now) < 0;
    if (!always && !due && digest == m_lastStatus)
        return;
    m_lastStatus = digest;
    m_lastStatusAt = now;
    status.insert(QStringLiteral("time"), now.toUTC().toString(Qt::ISODate));
    publish(m_topics.status, QJsonDocument(status).toJson(QJsonDocument::Compact), true);
}

}  // namespace korvel
