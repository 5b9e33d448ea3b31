#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// What the korvel command line asks for, decided before any display, engine or home is touched:
// --help and --version need neither, and an option nobody knows is refused rather than ignored
// (a misspelt --home would otherwise start a kiosk on the wrong settings).
struct CommandLine {
    enum class Request { Run, Help, Version, Refuse };

    Request request = Request::Run;
    // Why the command line is refused (Request::Refuse).
    QString problem;

    // `arguments` as main() received them, the program's name first.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    // "korvel 1.0.0 (build 1)" and the web engine's versions.
    static QString versionText();
};

}  // namespace korvel
