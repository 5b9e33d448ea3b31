#include "browser/ui/ReaderHooks.h"

#include "browser/ui/EffectPerformer.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/Routes.h"
#include "files/ReaderRules.h"
#include "files/ui/EngineFetch.h"
#include "files/ui/FilesRoutes.h"
#include "files/ui/KVReaderVC.h"
#include "platform/ui/NavigationStack.h"
#include "policy/NavigationPolicy.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"

#include <QPointer>
#include <QWebEnginePage>

namespace korvel {

namespace {

// A link in a document is put to the navigation decision like a link in a page. Its refusal
// gives the usual toast and log line; effects that act on a web view have none to act on here.
void followLink(const QUrl& url, KVReaderVC* reader)
{
    const KVSettings& settings = KVSettings::getSettingsObject();
    static NavigationPolicy policy;
    BrowserWindowState state;
    NavigationAction action;
    action.url = url;
    action.type = NavigationType::LinkActivated;
    const WindowMode mode = settings.kvBrowPref.useMultiTab ? WindowMode::Tabbed : WindowMode::SingleWindow;
    const NavigationDecision decision = policy.decide(settings, action, state, NavigationServices::standard(), mode);
    NavigationEffects shown;
    for (const NavigationEffect& effect : decision.effects) {
        using Kind = NavigationEffect::Kind;
        if (effect.kind == Kind::Toast || effect.kind == Kind::Log || effect.kind == Kind::Alert || effect.kind == Kind::OpenReader)
            shown.append(effect);
    }
    EffectPerformer(reader, nullptr).perform(shown);
    NavigationStack* stack = reader->navigationStack();
    if (decision.verdict != Verdict::Allow || !stack)
        return;
    NavigationEffects ignored;
    std::optional<allowedWebsite> website = WebsiteRules::getAllowedWebsiteForExternalURL(url, settings.allowedWebsites, &ignored);
    if (!website) {
        // Allowed by allow-all mode rather than by a record of its own.
        website = allowedWebsite();
        website->url = url.toString(QUrl::FullyEncoded);
    }
    if (const auto& open = Routes::current().openWebsite)
        open(*website, url.toString(QUrl::FullyEncoded), stack);
}

}  // namespace

void ReaderHooks::install(NavigationStack* stack)
{
    EngineFetch::setPageMaker([](QObject* parent) {
        auto* page = new QWebEnginePage(EngineProfiles::instance().current(), parent);
        EngineProfiles::instance().adopt(page);
        return page;
    });
    QPointer<NavigationStack> on(stack);
    FilesRoutes::install({[on](const QString& path, bool openNow) {
                              if (!ReaderRules::opensInReader(path, KVSettings::getSettingsObject().kvBrowPref) || !on)
                                  return false;
                              if (openNow && Routes::current().openDocument)
                                  Routes::current().openDocument(QUrl::fromLocalFile(path), on);
                              return true;
                          },
                          &followLink});
}

}  // namespace korvel
