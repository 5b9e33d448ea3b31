#include "cli/KeysCommand.h"

#include "cli/CommandOptions.h"
#include "platform/AtomicFile.h"
#include "platform/FileBytes.h"
#include "transfer/DocumentSignature.h"
#include "transfer/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <sys/stat.h>

namespace korvel {

namespace {

const char* keysUsage = "Usage: korvelctl keys new NAME [--dir DIR]\n";
const char* signUsage = "Usage: korvelctl sign FILE --key NAME.key\n";

}  // namespace

int runKeysCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    using Kind = CommandOptions::Kind;
    if (arguments.value(0) != QLatin1String("new")) {
        err << keysUsage;
        return 2;
    }
    const std::optional<CommandOptions> options = CommandOptions::parse(arguments.mid(1), {{"--dir", Kind::Value}}, err);
    if (!options)
        return 2;
    if (options->positional().size() != 1) {
        err << keysUsage;
        return 2;
    }
    const QString name = options->positional().first();
    // The name becomes two file names and the trusted key's name in the kiosks' log.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]{0,63}$"));
    if (!plain.match(name).hasMatch()) {
        err << "korvelctl: a key's name is 1 to 64 letters, digits, \".\", \"_\" and \"-\", beginning with a letter or digit\n";
        return 2;
    }
    const QString directory = options->value("--dir").value_or(QDir::currentPath());
    if (!QFileInfo(directory).isDir()) {
        err << "korvelctl: " << directory << " is not a folder\n";
        return 2;
    }
    const std::optional<DocumentSignature::KeyPair> pair = DocumentSignature::generateKeyPair();
    if (!pair) {
        err << "korvelctl: the cryptography library could not be started\n";
        return 1;
    }
    QString error;
    if (!DocumentSignature::writeKeyPair(directory, name, *pair, &error)) {
        err << "korvelctl: " << error << '\n';
        return 1;
    }
    const QString base = QDir(directory).filePath(name);
    out << "Secret key: " << base << ".key (keep it off the kiosks, readable by you alone)\n"
        << "Public key: " << base << ".pub (" << DocumentSignature::keyId(pair->publicKey) << ")\n"
        << "Kiosks trust documents signed with it once " << name << ".pub is in /etc/korvel/trusted-keys.d/.\n";
    return 0;
}

int runSignCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    using Kind = CommandOptions::Kind;
    const std::optional<CommandOptions> options = CommandOptions::parse(arguments, {{"--key", Kind::Value}}, err);
    if (!options)
        return 2;
    if (options->positional().size() != 1 || !options->value("--key")) {
        err << signUsage;
        return 2;
    }
    const QString file = options->positional().first();
    const QString keyFile = *options->value("--key");

    QFile key(keyFile);
    if (!key.open(QIODevice::ReadOnly)) {
        err << "korvelctl: " << keyFile << " cannot be read\n";
        return 2;
    }
    QString error;
    const std::optional<QByteArray> secret = DocumentSignature::readSecretKey(key.read(4096), &error);
    if (!secret) {
        err << "korvelctl: " << keyFile << ": " << error << '\n';
        return 2;
    }
    struct stat info {};
    if (::stat(QFile::encodeName(keyFile).constData(), &info) == 0 && (info.st_mode & (S_IRWXG | S_IRWXO)))
        err << "korvelctl: warning: " << keyFile << " is readable by others than its owner; whoever reads it can sign for the fleet\n";

    const std::optional<FileBytes> bytes = FileBytes::read(file, &error);
    if (!bytes) {
        err << "korvelctl: " << file << ": " << error << '\n';
        return 2;
    }
    const SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(bytes->bytes());
    if (!parsed.document) {
        err << "korvelctl: " << file << " is not a settings document: " << parsed.error << '\n';
        return 2;
    }
    const QVariantMap signedDocument = DocumentSignature::sign(*parsed.document, *secret);
    if (!AtomicFile::writeFile(file, SettingsDocument::settingsDocumentXML(signedDocument), &error)) {
        err << "korvelctl: " << file << " could not be written: " << error << '\n';
        return 1;
    }
    out << file << " signed with key " << DocumentSignature::keyId(secret->right(DocumentSignature::publicKeySize)) << "\nDocument "
        << DocumentSignature::fingerprint(signedDocument) << '\n';
    const QVariantMap preferences = signedDocument.value(QStringLiteral("BrowserPreferences")).toMap();
    if (preferences.contains(QStringLiteral("Password")))
        err << "korvelctl: warning: the document carries the administrator password readable (\"Password\"); a signature does not "
               "hide it. Export it again without --clear-password to carry only its hash.\n";
    return 0;
}

}  // namespace korvel
