#include "platform/Languages.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace korvel {

namespace {

QString languageCode(const QLocale& locale)
{
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

}  // namespace

QStringList Languages::shipped(const QString& directory)
{
    static const QRegularExpression pattern(QStringLiteral("^korvel_([a-z]{2,3}(_[A-Z]{2})?)\\.qm$"));
    QStringList codes;
    const QStringList files = QDir(directory).entryList({QStringLiteral("korvel_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (const QRegularExpressionMatch m = pattern.match(file); m.hasMatch())
            codes << m.captured(1);
    }
    std::stable_partition(codes.begin(), codes.end(), [](const QString& code) { return code == QLatin1String("en"); });
    return codes;
}

QLocale Languages::effective(const QString& preference, const QLocale& system, const QStringList& shipped)
{
    if (!preference.isEmpty() && shipped.contains(preference))
        return QLocale(preference);
    if (shipped.contains(system.name()) || shipped.contains(languageCode(system)))
        return system;
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString Languages::nativeName(const QString& code)
{
    const QLocale locale(code);
    // Qt names some by their territory ("American English", "español de España"), which is not
    // what a list of languages says.
    static const QHash<QLocale::Language, QString> plain{
        {QLocale::English, QStringLiteral("English")}, {QLocale::Spanish, QStringLiteral("Español")},
        {QLocale::Portuguese, QStringLiteral("Português")}, {QLocale::French, QStringLiteral("Français")},
        {QLocale::German, QStringLiteral("Deutsch")}};
    if (const auto it = plain.constFind(locale.language()); it != plain.constEnd())
        return *it;
    const QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        return code;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

QString Languages::acceptLanguage(const QLocale& locale)
{
    const QString language = languageCode(locale);
    QStringList parts;
    const QString tag = locale.bcp47Name();
    // bcp47Name() drops the territory that is the language's default ("de" for de_DE); pages
    // still learn it, as browsers say it.
    const QString full = locale.name().contains(QLatin1Char('_')) ? QString(locale.name()).replace(QLatin1Char('_'), QLatin1Char('-')) : tag;
    parts << full;
    if (full != language)
        parts << language + QStringLiteral(";q=0.9");
    if (language != QLatin1String("en"))
        parts << QStringLiteral("en;q=0.8");
    return parts.join(QLatin1Char(','));
}

QStringList Languages::keyboardLayouts(const QLocale& locale, const QStringList& available)
{
    const QString language = languageCode(locale);
    QStringList layouts;
    if (available.contains(locale.name()))
        layouts << locale.name();
    for (const QString& layout : available) {
        if (layout.section(QLatin1Char('_'), 0, 0) == language && !layouts.contains(layout))
            layouts << layout;
    }
    // English needs one layout; a second would only add the language key.
    if (language == QLatin1String("en") && !layouts.isEmpty())
        return layouts.mid(0, 1);
    for (const QString english : {QStringLiteral("en_US"), QStringLiteral("en_GB")}) {
        if (available.contains(english) && !layouts.contains(english)) {
            layouts << english;
            break;
        }
    }
    return layouts;
}

}  // namespace korvel
