#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace korvel {

// A library Korvel ships with, and the Debian package whose copyright file holds its notice.
struct OpenSourceLibrary {
    QString name;
    QString package;
};

// The licence notices of the libraries Korvel runs on, as Debian installs them
// (/usr/share/doc/PACKAGE/copyright).
class OpenSourceLicenses {
public:
    static const QList<OpenSourceLibrary>& libraries();
    // The notice of `library`; nothing when its file is not installed. `docRoot` is where the
    // packages' documentation lives.
    static std::optional<QString> notice(const OpenSourceLibrary& library,
                                         const QString& docRoot = QStringLiteral("/usr/share/doc"));
};

}  // namespace korvel
