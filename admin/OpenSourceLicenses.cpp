#include "admin/OpenSourceLicenses.h"

#include <QFile>

namespace korvel {

const QList<OpenSourceLibrary>& OpenSourceLicenses::libraries()
{
    // What the Debian package depends on at run time; the notices are the packages' own.
    static const QList<OpenSourceLibrary> all{
        {QStringLiteral("Qt Core, GUI, Widgets, Network and D-Bus"), QStringLiteral("libqt6core6")},
        {QStringLiteral("Qt WebEngine (Chromium)"), QStringLiteral("libqt6webenginecore6")},
        {QStringLiteral("Qt PDF"), QStringLiteral("libqt6pdf6")},
        {QStringLiteral("Qt Multimedia"), QStringLiteral("libqt6multimedia6")},
        {QStringLiteral("Qt Sensors"), QStringLiteral("libqt6sensors6")},
        {QStringLiteral("Qt Positioning"), QStringLiteral("libqt6positioning6")},
        {QStringLiteral("Qt SVG"), QStringLiteral("libqt6svg6")},
        {QStringLiteral("Qt Virtual Keyboard"), QStringLiteral("qt6-virtualkeyboard-plugin")},
        {QStringLiteral("SQLite"), QStringLiteral("libsqlite3-0")},
        {QStringLiteral("libplist"), QStringLiteral("libplist3")},
        {QStringLiteral("cpp-httplib"), QStringLiteral("libcpp-httplib0.11")},
        {QStringLiteral("libqrencode"), QStringLiteral("libqrencode4")},
        {QStringLiteral("ZXing-C++"), QStringLiteral("libzxing2")},
        {QStringLiteral("libsystemd"), QStringLiteral("libsystemd0")},
        {QStringLiteral("PostgreSQL client library (libpq)"), QStringLiteral("libpq5")},
        {QStringLiteral("Public Suffix List"), QStringLiteral("publicsuffix")},
    };
    return all;
}

std::optional<QString> OpenSourceLicenses::notice(const OpenSourceLibrary& library, const QString& docRoot)
{
    // A package name never holds a "/": nothing outside the documentation can be named.
    if (library.package.contains(QLatin1Char('/')) || library.package.startsWith(QLatin1Char('.')))
        return std::nullopt;
    QFile file(docRoot + QLatin1Char('/') + library.package + QStringLiteral("/copyright"));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

}  // namespace korvel
