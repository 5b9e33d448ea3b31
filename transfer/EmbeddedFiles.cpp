#include "transfer/EmbeddedFiles.h"

#include "transfer/ImportExport.h"

#include "log/KVLog.h"
#include "platform/AtomicFile.h"
#include "platform/DocumentName.h"
#include "platform/Paths.h"
#include "settings/PlistValue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvel {

namespace {

const QString category = QStringLiteral("Import-Export Data");

}  // namespace

EmbeddedFiles::EmbeddedFiles(QString documentsDirectory)
    : m_documents(QDir::cleanPath(std::move(documentsDirectory)))
{
}

EmbeddedFiles::~EmbeddedFiles()
{
    discard();
}

bool EmbeddedFiles::stage(const QVariantMap& document, OnFailure onFailure)
{
    const QVariant files = document.value(QStringLiteral("Files"));
    if (files.metaType().id() != QMetaType::QVariantList) {
        KVLog(category, QStringLiteral("Files object is not available in plist."));
        return true;
    }
    KVLog(category, QStringLiteral("Files object is available in plist."));
    bool complete = true;
    for (const QVariant& element : files.toList()) {
        if (element.metaType().id() != QMetaType::QVariantMap)
            continue;
        const QVariantMap entry = element.toMap();
        const QString fileData = PlistValue::stringValue(entry.value(QStringLiteral("FileData")));
        if (fileData.isNull())
            continue;
        if (!stageEntry(PlistValue::stringValue(entry.value(QStringLiteral("FileName"))), fileData)) {
            complete = false;
            if (onFailure == OnFailure::Stop)
                break;
        }
    }
    return complete;
}

std::optional<DocumentName::Refusal> EmbeddedFiles::refusalOf(const QString& documents, const QString& name, std::optional<QString>* target)
{
    if (const auto refusal = DocumentName::nameRefusal(name))
        return refusal;
    const std::optional<QString> inside = Paths::resolvedInside(documents, documents + QLatin1Char('/') + name);
    if (!inside)
        return DocumentName::Refusal::Outside;
    // A link inside that names one of the program's own files would replace that file.
    if (DocumentName::isSystemFile(QFileInfo(*inside).fileName()))
        return DocumentName::Refusal::SystemFile;
    *target = inside;
    return std::nullopt;
}

bool EmbeddedFiles::stageEntry(const QString& name, const QString& fileData)
{
    auto refuse = [&](DocumentName::Refusal refusal) {
        m_refused = true;
        KVLog(category, QStringLiteral("File refused (%@): %@"), DocumentName::refusalText(refusal), name);
        return true;  // a refusal is no write failure: the import goes on without the file
    };
    std::optional<QString> inside;
    if (const std::optional<DocumentName::Refusal> refusal = refusalOf(m_documents, name, &inside))
        return refuse(*refusal);

    const QString directory = QFileInfo(*inside).path();
    if (QDir().mkpath(directory))
        KVLog(category, QStringLiteral("Successfully created directory : %@"), directory);
    else
        KVLog(category, QStringLiteral("Fail to create directory with error : %@"), QStringLiteral("cannot create ") + directory);
    // The directories now exist: a link among them that leads out is seen only now.
    const QString resolvedDirectory = QFileInfo(directory).canonicalFilePath();
    if (!resolvedDirectory.isEmpty() && resolvedDirectory != QFileInfo(m_documents).canonicalFilePath()
        && !Paths::resolvedInside(m_documents, resolvedDirectory))
        return refuse(DocumentName::Refusal::Outside);

    // Characters outside the Base64 alphabet (the writer's line breaks) are skipped.
    const QByteArray bytes = QByteArray::fromBase64(fileData.toLatin1());
    // rename(2) replaces the target in one step; a symbolic link standing there is replaced,
    // never followed.
    auto file = std::make_unique<AtomicFile>(*inside);
    if (file->open() && file->write(bytes) && file->stage()) {
        m_staged.push_back(std::move(file));
        return true;
    }
    KVLog(category, QStringLiteral("Failed to write file on path : %@ (%@)"), *inside, file->errorString());
    return false;
}

bool EmbeddedFiles::commit()
{
    bool all = true;
    for (const std::unique_ptr<AtomicFile>& file : m_staged) {
        if (file->commit()) {
            KVLog(category, QStringLiteral("File written successfully on path : %@"), file->path());
            ImportExport::recordOrigin(file->path(), DocumentOrigin::SettingsDocument, category);
        } else {
            all = false;
            KVLog(category, QStringLiteral("Failed to write file on path : %@"), file->path());
        }
    }
    m_staged.clear();
    return all;
}

QStringList EmbeddedFiles::moveInto(FileTransaction& transaction)
{
    QStringList targets;
    for (std::unique_ptr<AtomicFile>& file : m_staged) {
        targets.append(file->path());
        transaction.add(std::move(file));
    }
    m_staged.clear();
    return targets;
}

void EmbeddedFiles::logWritten(const QStringList& targets)
{
    for (const QString& target : targets) {
        KVLog(category, QStringLiteral("File written successfully on path : %@"), target);
        ImportExport::recordOrigin(target, DocumentOrigin::SettingsDocument, category);
    }
}

void EmbeddedFiles::discard()
{
    // Each staged file removes its temporary file when it goes.
    m_staged.clear();
}

}  // namespace korvel
