#include "settings/ShownText.h"

namespace korvel {

namespace {

using Field = KVBrowserPrefSettings::Field;

// The translation of `id`, or `english` while the catalogue has none (qtTrId answers the id).
QString translated(const QByteArray& id, const char* english)
{
    if (!english)
        return QString();
    const QString text = qtTrId(id.constData());
    return text.isEmpty() || text == QLatin1String(id) ? QString::fromUtf8(english) : text;
}

const Field* fieldOf(const char* key)
{
    return KVBrowserPrefSettings::fieldForKey(QString::fromLatin1(key));
}

}  // namespace

QByteArray shownTitleId(const Field& field)
{
    return "PREF_" + QByteArray(field.key) + "_TITLE";
}

QByteArray shownDetailId(const Field& field)
{
    return "PREF_" + QByteArray(field.key) + "_DETAIL";
}

QByteArray shownValueNameId(const Field& field, const QString& englishName)
{
    return "PREF_" + QByteArray(field.key) + "_VALUE_" + englishName.toLatin1();
}

QString shownTitle(const Field& field)
{
    return translated(shownTitleId(field), field.place.title);
}

QString shownDetail(const Field& field)
{
    return translated(shownDetailId(field), field.place.subtitle);
}

QStringList shownValueNames(const Field& field)
{
    QStringList shown;
    for (const QString& name : field.valueNames())
        shown << translated(shownValueNameId(field, name), name.toUtf8().constData());
    return shown;
}

QString shownTitle(const char* key)
{
    const Field* field = fieldOf(key);
    return field ? shownTitle(*field) : QString();
}

QString shownDetail(const char* key)
{
    const Field* field = fieldOf(key);
    return field ? shownDetail(*field) : QString();
}

QStringList shownValueNames(const char* key)
{
    const Field* field = fieldOf(key);
    return field ? shownValueNames(*field) : QStringList();
}

}  // namespace korvel
