#include "tests/support/TemporaryPostgres.h"

#include <QFileInfo>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvel::test {

namespace {

// A port no one listens on right now; the socket's file name carries it.
int freePort()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 && ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(s);
    return port;
}

}  // namespace

TemporaryPostgres::~TemporaryPostgres()
{
    stop();
}

QString TemporaryPostgres::binaries()
{
    return QStringLiteral("/usr/lib/postgresql/15/bin");
}

bool TemporaryPostgres::installed()
{
    return QFileInfo(binaries() + QStringLiteral("/initdb")).isExecutable()
        && QFileInfo(binaries() + QStringLiteral("/pg_ctl")).isExecutable()
        && QFileInfo(binaries() + QStringLiteral("/psql")).isExecutable();
}

bool TemporaryPostgres::run(const QString& program, const QStringList& arguments, bool asServerUser, QString* error) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (asServerUser && ::geteuid() == 0)
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program} + arguments);
    else
        process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    if (error)
        *error = QFileInfo(program).fileName() + QStringLiteral(" failed: ") + process.errorString() + QLatin1Char('\n')
            + QString::fromLocal8Bit(process.readAll());
    return false;
}

bool TemporaryPostgres::start(QString* error, bool durable)
{
    if (!m_dir.isValid()) {
        if (error)
            *error = QStringLiteral("no temporary directory");
        return false;
    }
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::chown(m_dir.path().toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
            if (error)
                *error = QStringLiteral("cannot hand the cluster's directory to the user nobody");
            return false;
        }
    }
    m_port = freePort();
    const QString data = m_dir.path() + QStringLiteral("/data");
    if (!run(binaries() + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-A"), QStringLiteral("trust"),
              QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync")},
             true, error))
        return false;
    // pg_ctl hands the options to a shell; the directory names come from QTemporaryDir.
    m_options = QStringLiteral("-k %1 -p %2 -c listen_addresses='' -c max_connections=200").arg(m_dir.path()).arg(m_port);
    if (!durable)
        m_options += QStringLiteral(" -c fsync=off -c synchronous_commit=off -c full_page_writes=off");
    return control(QStringLiteral("start"), error);
}

bool TemporaryPostgres::control(const QString& action, QString* error)
{
    const bool done = run(binaries() + QStringLiteral("/pg_ctl"),
                          {QStringLiteral("-D"), m_dir.path() + QStringLiteral("/data"), QStringLiteral("-l"),
                           m_dir.path() + QStringLiteral("/server.log"), QStringLiteral("-o"), m_options, QStringLiteral("-m"),
                           QStringLiteral("fast"), QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"), action},
                          true, error);
    m_running = done && action != QLatin1String("stop");
    return done;
}

bool TemporaryPostgres::restart(QString* error)
{
    return m_running && control(QStringLiteral("restart"), error);
}

void TemporaryPostgres::stop()
{
    if (m_running)
        control(QStringLiteral("stop"), nullptr);
}

std::string TemporaryPostgres::createDatabase(QString* error)
{
    const QString name = QStringLiteral("korvel_%1").arg(++m_databases);
    if (!m_running
        || !run(binaries() + QStringLiteral("/psql"),
                {QString::fromStdString(address(QStringLiteral("postgres"))), QStringLiteral("-q"), QStringLiteral("-v"),
                 QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-c"), QStringLiteral("CREATE DATABASE %1").arg(name)},
                false, error))
        return std::string();
    return address(name);
}

std::string TemporaryPostgres::address(const QString& name) const
{
    return QStringLiteral("postgresql://postgres@/%1?host=%2&port=%3").arg(name, m_dir.path()).arg(m_port).toStdString();
}

}  // namespace korvel::test
