#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "export NAME [--pellmor]", "import NAME|URL" and "reset --yes": the import and export operations
// of the settings screen, with its messages. Returns the exit status: 0 done, 2 bad usage or refused
// (the reason on `err`; nothing was changed).
int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int runResetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
// "autoimport set URL|--file NAME|--cloud ID [--minutes N]", "autoimport off", "autoimport show": the
// automatic import as the import/export screen's section sets it.
int runAutoImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel
