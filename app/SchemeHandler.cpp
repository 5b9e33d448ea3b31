#include "app/SchemeHandler.h"

#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>

namespace korvel::SchemeHandler {

namespace {

// One argument of an Exec line: quoted when it holds anything a launcher would split or expand.
QString execArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    const bool plain = !argument.isEmpty()
                       && std::none_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    if (plain)
        return argument;
    QString quoted;
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    // The key's value is itself unescaped once, so every backslash is doubled again.
    quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

bool writeIfChanged(const QString& path, const QString& text, QString* error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text.toUtf8())
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QString reason;
    if (!AtomicFile::writeFile(path, text.toUtf8(), &reason)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(reason);
        return false;
    }
    return true;
}

}  // namespace

QString desktopEntry(const QStringList& command)
{
    QStringList exec;
    for (const QString& argument : command)
        exec << execArgument(argument);
    exec << QStringLiteral("%u");
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Korvel\n"
                          "Comment=Kiosk web browser\n"
                          "Exec=%1\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "MimeType=%2;\n")
        .arg(exec.join(u' '), QLatin1String(kMimeType));
}

QString withDefaultHandler(const QString& list)
{
    const QString section = QStringLiteral("[Default Applications]");
    const QString key = QLatin1String(kMimeType);
    const QString line = key + u'=' + QLatin1String(kDesktopFileName);
    QStringList lines = list.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    int sectionAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.startsWith(u'[')) {
            if (sectionAt >= 0)
                break;  // the section ended without the key
            if (trimmed == section)
                sectionAt = i;
        } else if (sectionAt >= 0 && trimmed.section(u'=', 0, 0).trimmed() == key) {
            lines[i] = line;
            return lines.join(u'\n') + u'\n';
        }
    }
    if (sectionAt >= 0) {
        lines.insert(sectionAt + 1, line);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << section << line;
    }
    return lines.join(u'\n') + u'\n';
}

bool registerHandler(const QString& dataDirectory, const QString& configDirectory, const QStringList& command,
                     QString* error)
{
    if (!writeIfChanged(dataDirectory + QStringLiteral("/applications/") + QLatin1String(kDesktopFileName),
                        desktopEntry(command), error))
        return false;
    const QString listPath = configDirectory + QStringLiteral("/mimeapps.list");
    QString current;
    QFile list(listPath);
    if (list.exists()) {
        if (!list.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("cannot read %1: %2").arg(listPath, list.errorString());
            return false;
        }
        current = QString::fromUtf8(list.readAll());
    }
    return writeIfChanged(listPath, withDefaultHandler(current), error);
}

}  // namespace korvel::SchemeHandler
