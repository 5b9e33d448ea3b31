#include "platform/Translations.h"

#include "platform/Console.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

namespace korvel {

namespace {

QString directory()
{
    return Paths::resourceFile(QStringLiteral("translations"));
}

}  // namespace

QString Translations::catalogueFor(const QLocale& locale)
{
    // "de_AT" tries korvel_de_AT, korvel_de, then English: a kiosk always shows words, never keys.
    const QString name = locale.name();
    QStringList candidates{name, name.section(QLatin1Char('_'), 0, 0), QStringLiteral("en")};
    for (const QString& candidate : candidates) {
        const QString file = directory() + QStringLiteral("/korvel_") + candidate + QStringLiteral(".qm");
        if (!candidate.isEmpty() && QFileInfo::exists(file))
            return file;
    }
    return QString();
}

bool Translations::install(const QLocale& locale)
{
    static QTranslator* installed = nullptr;
    const QString file = catalogueFor(locale);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (file.isEmpty() || !translator->load(file)) {
        qCWarning(console).noquote() << QStringLiteral("no text catalogue in %1; screens show their keys").arg(directory());
        delete translator;
        return false;
    }
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

}  // namespace korvel
