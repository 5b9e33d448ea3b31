#include "platform/Translations.h"

#include "platform/Console.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

namespace korvel {

namespace {

QLocale installedOne{QLocale::English, QLocale::UnitedStates};

}  // namespace

QString Translations::directory()
{
    return Paths::resourceFile(QStringLiteral("translations"));
}

QLocale Translations::installedLocale()
{
    return installedOne;
}

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
    // de_AT keeps its territory over korvel_de; sv_SE over the English fall-back becomes English.
    const QString code = QFileInfo(file).completeBaseName().mid(int(qstrlen("korvel_")));
    installedOne = code == locale.name() || code == locale.name().section(QLatin1Char('_'), 0, 0) ? locale : QLocale(code);
    return true;
}

}  // namespace korvel
