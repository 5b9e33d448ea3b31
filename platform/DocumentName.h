#pragma once

#include <QString>

#include <optional>

namespace korvel::DocumentName {

// Why a name that arrived from outside (an upload, a settings document, korvelctl) may not name a
// file of the documents directory.
enum class Refusal {
    Empty,
    DotSegment,          // "." or ".." as a path component
    Absolute,
    ForbiddenCharacter,  // NUL and the other control characters, backslash
    Outside,             // resolves (through symbolic links) outside the documents directory
    SystemFile,          // the log, the databases, Version.txt, the home-page copies
};

// A short English reason for the log.
QString refusalText(Refusal refusal);

// The refusal of a "/"-separated relative name as written, before the file system is asked;
// nullopt when it may go on.
std::optional<Refusal> nameRefusal(const QString& relative);

// The program's own files, by file name, which are never listed, replaced or deleted from outside.
bool isSystemFile(const QString& fileName);

}  // namespace korvel::DocumentName
