#include "settings/SettingsFingerprint.h"

#include "platform/PropertyList.h"
#include "settings/KVSettings.h"

#include <QCryptographicHash>

namespace korvel::SettingsFingerprint {

QString of(const QVariantMap& storedSettings)
{
    QVariantMap settings = storedSettings;
    settings.remove(QLatin1String(KVSettings::deviceInformationKey));
    return QString::fromLatin1(QCryptographicHash::hash(PropertyList::toXml(settings), QCryptographicHash::Sha256).toHex());
}

}  // namespace korvel::SettingsFingerprint
