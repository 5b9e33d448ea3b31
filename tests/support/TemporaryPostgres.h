#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>

namespace korvel::test {

// A throw-away PostgreSQL cluster in a temporary directory, reachable only on a Unix socket there,
// with trust authentication for the user "postgres". PostgreSQL refuses to run as root, so as root
// the server runs as "nobody", which then owns the directory. Stopped and removed on destruction.
class TemporaryPostgres {
public:
    TemporaryPostgres() = default;
    ~TemporaryPostgres();
    TemporaryPostgres(const TemporaryPostgres&) = delete;
    TemporaryPostgres& operator=(const TemporaryPostgres&) = delete;

    // Where initdb and pg_ctl are looked for.
    static QString binaries();
    // False when the server's programs are not installed there.
    static bool installed();

    // Creates the cluster and starts its server. `durable`: fsync as in production (benchmarks);
    // otherwise nothing waits for the disk. False, with the reason in `error`, when it cannot.
    bool start(QString* error, bool durable = false);
    bool running() const { return m_running; }
    // Stops the server; the directory goes with the object.
    void stop();
    // Stops the server, ending every connection, and starts it again on the same socket.
    bool restart(QString* error);

    // A new empty database; its "postgresql://" address, empty (reason in `error`) on failure.
    std::string createDatabase(QString* error);
    // The address of the database `name` of this cluster.
    std::string address(const QString& name) const;

private:
    // pg_ctl `action` with the cluster's options; keeps `m_running` up to date.
    bool control(const QString& action, QString* error);
    bool run(const QString& program, const QStringList& arguments, bool asServerUser, QString* error) const;

    QTemporaryDir m_dir;
    QString m_options;
    int m_port = 0;
    int m_databases = 0;
    bool m_running = false;
};

}  // namespace korvel::test
