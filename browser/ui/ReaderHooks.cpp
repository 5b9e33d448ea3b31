#include "browser/ui/ReaderHooks.h"

#include "browser/ui/EngineProfiles.h"
#include "files/ReaderRules.h"
#include "files/ui/EngineFetch.h"
#include "files/ui/FileSheet.h"
#include "files/ui/KVReaderVC.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QPointer>
#include <QWebEnginePage>

namespace korvel {

void ReaderHooks::install(NavigationStack* stack)
{
    EngineFetch::setPageMaker([](QObject* parent) {
        auto* page = new QWebEnginePage(EngineProfiles::instance().current(), parent);
        EngineProfiles::instance().adopt(page);
        return page;
    });
    QPointer<NavigationStack> on(stack);
    FileSheet::setOpener([on](const QString& path, bool openNow) {
        if (!ReaderRules::opensInReader(path, KVSettings::getSettingsObject().kvBrowPref) || !on)
            return false;
        if (openNow)
            on->push(Utils::getPDFViewerClassObject(QUrl::fromLocalFile(path)), Animation::Animated);
        return true;
    });
}

}  // namespace korvel
