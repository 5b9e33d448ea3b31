#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace korvel::test {

// A real Korvel started offscreen in a home of its own, set up beforehand with korvelctl as an
// administrator sets one up; stopped (terminated, killed if it lingers) when this goes.
struct KioskProcess {
    QTemporaryDir home;
    QProcess korvel;
    // Added to the kiosk's environment at start (its engine's flags, for one).
    QProcessEnvironment environment;

    ~KioskProcess() { stop(korvel); }

    static QString bin(const char* name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name); }

    // korvelctl on this home; a failure fails the test. Returns what it printed.
    QString ctl(const QStringList& arguments)
    {
        QProcess p;
        p.start(bin("korvelctl"), QStringList{QStringLiteral("--home"), home.path()} + arguments);
        EXPECT_TRUE(p.waitForFinished(15000) && p.exitCode() == 0) << qPrintable(arguments.join(' ')) << p.readAllStandardError().constData();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/xdg-data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/xdg-config"));
        env.insert(environment);
        korvel.setProcessEnvironment(env);
        korvel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        korvel.start(bin("korvel"), {QStringLiteral("--home"), home.path()});
        return korvel.waitForStarted(5000);
    }

    static void stop(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(5000);
    }

    // A loopback port free a moment ago.
    static int freePort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    // Whether `done` came true within `ms`, looking every `every` ms.
    static bool waitFor(const std::function<bool()>& done, int ms, int every = 100)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (done())
                return true;
            QThread::msleep(every);
        }
        return done();
    }
};

}  // namespace korvel::test
