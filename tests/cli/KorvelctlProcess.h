#pragma once

#include "platform/Paths.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <initializer_list>

namespace korvel::test {

struct CtlRun {
    int status = -1;  // -1: crashed or hung
    QString out;
    QString err;

    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs the built korvelctl against the test's home directory, as an administrator would over SSH.
class KorvelctlProcess : public TestHome {
protected:
    // `input` goes to its standard input, which is then closed.
    CtlRun ctl(const QStringList& arguments, const QByteArray& input = QByteArray()) const
    {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvelctl"),
                      QStringList{QStringLiteral("--home"), home()} + arguments);
        process.write(input);
        process.closeWriteChannel();
        CtlRun run;
        if (!process.waitForFinished(10000))
            return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    CtlRun ctl(std::initializer_list<const char*> arguments) const { return ctl(list(arguments)); }

    // Runs a command that must succeed and returns what it printed.
    QString ok(std::initializer_list<const char*> arguments) const
    {
        const CtlRun run = ctl(arguments);
        EXPECT_EQ(run.status, 0) << qPrintable(list(arguments).join(QLatin1Char(' '))) << ": " << qPrintable(run.err);
        return run.out;
    }

    static QByteArray storeBytes() { return readFile(Paths::defaultsFile()); }

    static QStringList list(std::initializer_list<const char*> arguments)
    {
        QStringList all;
        for (const char* a : arguments)
            all.append(QString::fromUtf8(a));
        return all;
    }
};

}  // namespace korvel::test
