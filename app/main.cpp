#include "app/KVAppDelegate.h"
#include "app/UnixSignalWatcher.h"
#include "app/ui/KVApplication.h"
#include "browser/ui/KorvelWebEngine.h"
#include "platform/Paths.h"

#include <QPalette>
#include <QWidget>

#include <csignal>
#include <vector>
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

    // Before the application object: the program's own scheme, and an engine command line without
    // developer tools or other ways out.
    korvel::KorvelWebEngine::registerSchemes();
    const QStringList kept = korvel::KorvelWebEngine::prepareEnvironment(arguments);
    std::vector<QByteArray> keptBytes;
    std::vector<char*> keptArgv;
    for (const QString& argument : kept)
        keptBytes.push_back(argument.toLocal8Bit());
    for (QByteArray& bytes : keptBytes)
        keptArgv.push_back(bytes.data());
    keptArgv.push_back(nullptr);
    int keptArgc = int(keptBytes.size());

    korvel::KVApplication application(keptArgc, keptArgv.data());
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
