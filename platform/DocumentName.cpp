#include "platform/DocumentName.h"

#include "platform/Paths.h"

#include <QStringList>

namespace korvel::DocumentName {

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Empty:
        return QStringLiteral("empty name");
    case Refusal::DotSegment:
        return QStringLiteral("dot segment in name");
    case Refusal::Absolute:
        return QStringLiteral("absolute path");
    case Refusal::ForbiddenCharacter:
        return QStringLiteral("control character or backslash in name");
    case Refusal::Outside:
        return QStringLiteral("outside the documents directory");
    case Refusal::SystemFile:
        return QStringLiteral("the program's own file");
    }
    return {};
}

bool isSystemFile(const QString& fileName)
{
    static const QStringList databases = {QStringLiteral("korvelLogDatabase.db"), QStringLiteral("korvelDatabase.db")};
    if (fileName == QLatin1String("Version.txt") || Paths::homePageResources().contains(fileName)
        || fileName.endsWith(QLatin1String("part.prt")))
        return true;
    // SQLite's companions live and die with their database.
    for (const QString& database : databases) {
        if (fileName == database || fileName == database + QLatin1String("-wal") || fileName == database + QLatin1String("-shm")
            || fileName == database + QLatin1String("-journal"))
            return true;
    }
    return false;
}

std::optional<Refusal> nameRefusal(const QString& relative)
{
    if (relative.isEmpty())
        return Refusal::Empty;
    for (const QChar c : relative) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || c == QLatin1Char('\\'))
            return Refusal::ForbiddenCharacter;
    }
    if (relative.startsWith(QLatin1Char('/')))
        return Refusal::Absolute;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return Refusal::Empty;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return Refusal::DotSegment;
    }
    if (isSystemFile(parts.last()))
        return Refusal::SystemFile;
    return std::nullopt;
}

}  // namespace korvel::DocumentName
