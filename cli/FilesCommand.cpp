#include "cli/FilesCommand.h"

#include "control/ControlCommand.h"
#include "files/DocumentStore.h"
#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QTextStream>

namespace korvel {

namespace {

const char* usage = "Usage: korvelctl files list | put FILE [--folder DIR] | delete NAME\n";
const QString category = QStringLiteral("KVServerConnection");

// Stores `source` as the upload server stores a file of that name, through a temporary file.
int put(const DocumentStore& store, const QString& source, const QString& folder, QTextStream& out, QTextStream& err)
{
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        err << "korvelctl: cannot read " << source << ": " << input.errorString() << '\n';
        return ExitStatus::Failed;
    }
    const QString name = folder.isEmpty() ? QFileInfo(source).fileName() : folder + QLatin1Char('/') + QFileInfo(source).fileName();
    // The server files a folder's parts under their directory part when the part is "addfolder".
    const DocumentStore::Checked target = store.uploadTarget(folder.isEmpty() ? QStringLiteral("file") : QStringLiteral("addfolder"), name);
    if (target.refusal) {
        const QString refusal = DocumentStore::refusalText(*target.refusal);
        KVLog(category, QStringLiteral("Upload refused (%@): %@"), refusal, name);
        err << "korvelctl: refused (" << refusal << ")\n";
        return ExitStatus::Refused;
    }
    QDir().mkpath(QFileInfo(target.path).path());
    AtomicFile output(target.path);
    bool written = output.open();
    while (written && !input.atEnd()) {
        const QByteArray chunk = input.read(1 << 20);
        written = output.write(chunk);
    }
    if (!written || !output.commit()) {
        KVLog(category, QStringLiteral("Upload failed: %@ %@"), name, output.errorString());
        err << "korvelctl: cannot write " << output.errorString() << '\n';
        return ExitStatus::Failed;
    }
    // Placed by the administrator: a settings document put here may be imported.
    QString notRecorded;
    if (!DocumentOrigins::forHome().record(target.path, DocumentOrigin::Korvelctl, &notRecorded)) {
        KVLog(category, QStringLiteral("Origin of an upload not recorded: %@"), notRecorded);
        err << "korvelctl: stored, but its origin could not be recorded (" << notRecorded << "); it cannot be imported\n";
        return ExitStatus::Failed;
    }
    out << QDir(store.directory()).relativeFilePath(target.path) << '\n';
    return ExitStatus::Done;
}

}  // namespace

int runFilesCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const DocumentStore store(Paths::documentsDirectory());
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("list") && arguments.size() == 1) {
        for (const QString& name : store.names())
            out << name << '\n';
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("put") && (arguments.size() == 2 || (arguments.size() == 4 && arguments.at(2) == QLatin1String("--folder"))))
        return put(store, arguments.at(1), arguments.value(3), out, err);
    if (verb == QLatin1String("delete") && arguments.size() == 2) {
        const DocumentStore::Deletion deletion = store.deleteNamed(arguments.at(1));
        if (deletion.outcome != QLatin1String("No File"))
            KVLog(category, QStringLiteral("%@"), deletion.refused ? deletion.outcome + QStringLiteral(": ") + arguments.at(1) : deletion.outcome);
        if (deletion.outcome == QLatin1String("file Delete Success"))
            return ExitStatus::Done;
        err << "korvelctl: " << deletion.outcome << '\n';
        return deletion.refused || deletion.outcome == QLatin1String("No File") ? ExitStatus::Refused : ExitStatus::Failed;
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
