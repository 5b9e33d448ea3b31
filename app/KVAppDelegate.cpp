#include "app/KVAppDelegate.h"

#include "log/KVDatabase.h"
#include "log/KVLogger.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/TalvexUtils.h"

namespace korvel {

namespace {

KVAppDelegate* sharedDelegate = nullptr;

}  // namespace

KVAppDelegate::KVAppDelegate(QObject* parent)
    : QObject(parent)
{
}

KVAppDelegate::~KVAppDelegate()
{
    if (sharedDelegate == this)
        sharedDelegate = nullptr;
}

KVAppDelegate* KVAppDelegate::getAppDelegate()
{
    return sharedDelegate;
}

bool KVAppDelegate::didFinishLaunching()
{
    UserDefaults& defaults = UserDefaults::standard();

    // First run: the factory password. Later launches leave whatever the administrator chose.
    const QString marker = QString::fromLatin1(firstTimeInstalledKey);
    if (!defaults.objectForKey(marker).isValid())
        TalvexUtils::setPassword(KVHashString::stringToBase64(QString::fromLatin1(TalvexUtils::factoryPassword)));
    defaults.setObject(marker, QStringLiteral("App Already Install.."));
    defaults.synchronize();

    kvSettings = &KVSettings::getSettingsObject();

    sharedDelegate = this;

    kvdatabase = &KVDatabase::getDatabaseObject();
    kvdatabase->createTable();
    // Log calls before this point are dropped.
    KVLogger::createDatabase_Tables();

    // Written once with whatever is in memory and read back, so a first launch leaves a complete
    // store on disk.
    kvSettings->save();
    kvSettings->load();
    return true;
}

}  // namespace korvel
