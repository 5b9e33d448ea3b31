// Writes N log entries into the log of a home directory, as a second process beside the test.
#include "log/KVLog.h"
#include "platform/Paths.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    korvel::Paths::setHome(QString::fromLocal8Bit(argv[1]));
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    korvel::KVLogger::createDatabase_Tables();
    std::printf("ready\n");
    std::fflush(stdout);
    int failures = 0;
    for (int i = 0; i < count; ++i)
        failures += korvel::KVLogger::sharedLogger()->insertUpdateRow(QStringLiteral("other process %1").arg(i),
                                                                      QStringLiteral("Import"))
                        ? 0
                        : 1;
    return failures == 0 ? 0 : 1;
}
