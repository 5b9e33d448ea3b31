// Arbitrary bytes read as a settings document and, when they are one, applied and their files
// restored, in a throw-away home. Nothing may crash, and nothing may be written outside Documents:
// the home keeps only the store's own files and a sentinel, the directory around it only the home.
#include "platform/Paths.h"
#include "transfer/ImportExport.h"
#include "transfer/SettingsDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir* root = nullptr;
QString home;
const QByteArray sentinel = "left alone";

void writeSentinel(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sentinel) != sentinel.size())
        std::abort();
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "write outside Documents: %s %s\n", what, qPrintable(detail));
    std::abort();
}

void checkNothingOutsideDocuments()
{
    static const QSet<QString> allowedInHome = {QStringLiteral("Documents"), QStringLiteral("Caches"), QStringLiteral("defaults.plist"),
                                                QStringLiteral("keychain.plist"), QStringLiteral("vendor-identifier"),
                                                QStringLiteral("settings-history"), QStringLiteral("korvel.lock"),
                                                QStringLiteral("sentinel.txt")};
    const QStringList aroundHome = QDir(root->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    if (aroundHome != QStringList{QStringLiteral("home"), QStringLiteral("sentinel.txt")})
        fail("beside the home:", aroundHome.join(QLatin1Char(' ')));
    for (const QString& name : QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System)) {
        // A damaged store is set aside beside itself by design; the record of where documents came
        // from and the settings history are the device's own files (the history keeps what each
        // import replaced).
        if (!allowedInHome.contains(name) && !name.startsWith(QLatin1String("defaults.plist.damaged-"))
            && !name.startsWith(QLatin1String("document-origins.plist")))
            fail("in the home:", name);
    }
    for (const QString& path : {home + QStringLiteral("/sentinel.txt"), root->path() + QStringLiteral("/sentinel.txt")}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != sentinel)
            fail("changed:", path);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    root = new QTemporaryDir;
    home = root->path() + QStringLiteral("/home");
    QDir().mkpath(home);
    korvel::Paths::setHome(home);
    korvel::Paths::setManagedConfigurationFile(root->path() + QStringLiteral("/home/Caches/no-managed.plist"));
    writeSentinel(home + QStringLiteral("/sentinel.txt"));
    writeSentinel(root->path() + QStringLiteral("/sentinel.txt"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const korvel::SettingsDocument::ParsedDocument parsed = korvel::SettingsDocument::readSettingsDocument(bytes);
    if (parsed.document) {
        korvel::ImportExport::applySettingsDocument(*parsed.document, korvel::DocumentSource{}, size % 2 == 1);
        korvel::SettingsDocument::importFiles(*parsed.document);
    }
    checkNothingOutsideDocuments();
    // Each input starts from an empty Documents, so the check above stays cheap.
    QDir(korvel::Paths::documentsDirectory()).removeRecursively();
    return 0;
}
