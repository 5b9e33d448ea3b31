#include "app/KVAppDelegate.h"
#include "app/UnixSignalWatcher.h"
#include "app/ui/KVApplication.h"
#include "platform/Paths.h"

#include <QPalette>
#include <QWidget>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!korvel::Paths::configureFromArguments(arguments)) {
        std::fprintf(stderr, "korvel: --home needs a directory\n");
        return 2;
    }

    korvel::KVApplication application(argc, argv);
    korvel::UnixSignalWatcher signals({SIGTERM, SIGINT});
    QObject::connect(&signals, &korvel::UnixSignalWatcher::received, &application, &QCoreApplication::quit);

    korvel::KVAppDelegate delegate;
    delegate.didFinishLaunching();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Korvel"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.showFullScreen();

    return application.exec();
}
