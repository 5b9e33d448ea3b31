// Saves the defaults store over and over until it is killed. Every save holds a counter and a
// payload stamped with that counter, so a reader can tell a whole file from a torn one.
#include "platform/UserDefaults.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    korvel::UserDefaults defaults(QString::fromLocal8Bit(argv[1]), QString());
    std::printf("ready\n");
    std::fflush(stdout);
    for (qint64 counter = 1;; ++counter) {
        QVariantList payload;
        for (int i = 0; i < 2000; ++i)
            payload.append(QStringLiteral("entry %1 of save %2").arg(i).arg(counter));
        defaults.setObject(QStringLiteral("Payload"), payload);
        defaults.setObject(QStringLiteral("Counter"), counter);
        if (!defaults.synchronize())
            return 1;
    }
}
