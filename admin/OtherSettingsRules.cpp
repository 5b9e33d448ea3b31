#include "admin/OtherSettingsRules.h"

#include "settings/KVBrowserPrefSettings.h"

#include <QRegularExpression>

namespace korvel {

namespace {

KVBrowserPrefSettings::Range tabRange()
{
    const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(QStringLiteral("CountOfTabs"));
    Q_ASSERT(field && field->range);
    return *field->range;
}

}  // namespace

const QStringList& OtherSettingsRules::imageSuffixes()
{
    static const QStringList suffixes{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif"),
                                      QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("tif"), QStringLiteral("tiff")};
    return suffixes;
}

bool OtherSettingsRules::isImageName(const QString& name)
{
    if (name.isEmpty())
        return true;
    for (const QString& suffix : imageSuffixes()) {
        if (name.endsWith(suffix))
            return true;
    }
    return false;
}

std::optional<qint32> OtherSettingsRules::acceptTabCount(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const qint32 value = text.toInt();
    if (!tabRange().contains(value))
        return std::nullopt;
    return value;
}

qint32 OtherSettingsRules::shownTabCount(qint32 stored)
{
    return tabRange().contains(stored) ? stored : largestTabCount();
}

qint32 OtherSettingsRules::largestTabCount()
{
    return qint32(tabRange().maximum);
}

}  // namespace korvel
