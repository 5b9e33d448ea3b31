#include "platform/Device.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QUuid>

namespace korvel {

namespace {

Device* installed = nullptr;

QString readFirstLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Device-tree strings end in NUL.
    return QString::fromUtf8(file.readLine()).remove(QChar(0)).trimmed();
}

QString osReleaseField(const QString& field)
{
    for (const QString& path : {QStringLiteral("/etc/os-release"), QStringLiteral("/usr/lib/os-release")}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (!line.startsWith(field + QLatin1Char('=')))
                continue;
            QString value = line.mid(field.size() + 1);
            if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
                value = value.mid(1, value.size() - 2);
            return value;
        }
        return QString();
    }
    return QString();
}

}  // namespace

QString Device::model() const
{
    for (const QString& path : {QStringLiteral("/sys/firmware/devicetree/base/model"),
                                QStringLiteral("/sys/class/dmi/id/product_name")}) {
        const QString name = readFirstLine(path);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("Linux device");
}

QString Device::systemName() const
{
    const QString name = osReleaseField(QStringLiteral("NAME"));
    return name.isEmpty() ? QStringLiteral("Linux") : name;
}

QString Device::systemVersion() const
{
    return osReleaseField(QStringLiteral("VERSION_ID"));
}

QString Device::identifierForVendor() const
{
    const QString path = Paths::vendorIdentifierFile();
    const QString stored = readFirstLine(path);
    if (!QUuid::fromString(stored).isNull())
        return stored;
    const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    AtomicFile::writeFile(path, made.toUtf8());
    return made;
}

double Device::screenBrightness() const
{
    const QDir backlights(QStringLiteral("/sys/class/backlight"));
    const QStringList entries = backlights.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        bool okValue = false;
        bool okMax = false;
        const double value = readFirstLine(backlights.filePath(entry + QStringLiteral("/brightness"))).toDouble(&okValue);
        const double max = readFirstLine(backlights.filePath(entry + QStringLiteral("/max_brightness"))).toDouble(&okMax);
        if (okValue && okMax && max > 0)
            return qBound(0.0, value / max, 1.0);
    }
    return 1.0;
}

bool Device::setScreenBrightness(double value)
{
    const QDir backlights(QStringLiteral("/sys/class/backlight"));
    const QStringList entries = backlights.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        bool okMax = false;
        const double max = readFirstLine(backlights.filePath(entry + QStringLiteral("/max_brightness"))).toDouble(&okMax);
        if (!okMax || max <= 0)
            continue;
        const qint64 level = qRound64(qBound(0.0, value, 1.0) * max);
        QFile file(backlights.filePath(entry + QStringLiteral("/brightness")));
        if (file.open(QIODevice::WriteOnly))
            return file.write(QByteArray::number(level)) > 0;
        // Not writable for the kiosk's user: logind sets it for the user of the seat's session.
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return false;
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                           QStringLiteral("/org/freedesktop/login1/session/auto"),
                                                           QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("SetBrightness"));
        call << QStringLiteral("backlight") << entry << quint32(level);
        return bus.call(call, QDBus::Block, 2000).type() == QDBusMessage::ReplyMessage;
    }
    return false;
}

bool Device::isCellularDevice() const
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ModemManager1"),
                                                             QStringLiteral("/org/freedesktop/ModemManager1"),
                                                             QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                             QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    // a{oa{sa{sv}}}: modem object -> interface -> properties.
    const QDBusArgument objects = reply.arguments().constFirst().value<QDBusArgument>();
    bool named = false;
    objects.beginMap();
    while (!objects.atEnd()) {
        objects.beginMapEntry();
        QDBusObjectPath path;
        objects >> path;
        objects.beginMap();
        while (!objects.atEnd()) {
            objects.beginMapEntry();
            QString interface;
            QVariantMap properties;
            objects >> interface >> properties;
            if (interface == QLatin1String("org.freedesktop.ModemManager1.Modem.Modem3gpp")
                && !properties.value(QStringLiteral("OperatorName")).toString().isEmpty())
                named = true;
            objects.endMapEntry();
        }
        objects.endMap();
        objects.endMapEntry();
    }
    objects.endMap();
    return named;
}

Device& Device::current()
{
    if (installed)
        return *installed;
    static Device real;
    return real;
}

void Device::setCurrent(Device* device)
{
    installed = device;
}

}  // namespace korvel
