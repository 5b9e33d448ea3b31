#pragma once

#include "control/ControlCommand.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <functional>

namespace korvel {

// Performs the administration's commands on the settings of this process, through the same
// operations the settings screens use: in the running kiosk for commands that arrive on its
// control socket, in korvelctl itself when no Korvel runs. Every command is logged (never its
// arguments: a password may be one), and the preference changes it makes are logged as made by
// the sender. Main thread only.
//
// The command set (arguments in brackets are optional):
//   pref.set {key, value}
//   sites.add {url, [protocol, title, icon, category, startup, errorPage, subdomains, onlyThis, hide, favicon]}
//   sites.update {index, [url and the options of sites.add]}      sites.remove {index}
//   categories.add {title, [icon]}   categories.rename {index, title, [icon]}   categories.remove {index}
//   blocked.add {url, [protocol]}    blocked.update {index, url, [protocol]}    blocked.remove {index}
//   advanced.set {[allowAll, contentBlocking, keywords]}      icons.reset {}
//   password.set {password}          downloads.clear {}
//   export {name, [password]}    export.pellmor {}    import {source: a Documents file or an http(s) address}
//   import.check {source}    managed.check {settingsXML, [enforced, file]}    (dry runs: nothing changes)
//   settings.history {}      settings.rollback {[index]}
//   reset {}         cloud.export {[id, service]}    cloud.import {id, [service]}
//   autoimport.set {source: file|url|cloud, location, [minutes]}    autoimport.off {}
//   settings.apply {document: base64 of a settings document}     log.read {[since]}
//   kiosk.status {}   kiosk.screenshot {}   kiosk.navigate {url, [seconds]}   kiosk.reload {}
//   kiosk.home {}     kiosk.end-visit {}    kiosk.screen {[on], [brightness]}
//   kiosk.screensaver {start}   kiosk.restart {}       (the kiosk's: only in the running Korvel)
class ControlPerformer final : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const ControlReply&)>;

    explicit ControlPerformer(QObject* parent = nullptr);

    // Performs `command` sent by `who` ("korvelctl", ...). `done` hears the reply once: at once, or
    // later on this thread for the commands that wait on the network (imports from an address,
    // the cloud).
    void perform(const ControlCommand& command, const QString& who, Done done);
    // How long a command may take: the network's commands wait up to the cloud's five minutes.
    static int timeoutSeconds(const QString& command);
    static QStringList commands();

    // Who performs the kiosk's own commands ("kiosk.*"): the running kiosk's screens. Without one
    // (korvelctl alone) they fail.
    using Kiosk = std::function<void(const ControlCommand&, const Done&)>;
    static void setKiosk(Kiosk kiosk);

Q_SIGNALS:
    // A command changed the settings: what depends on them follows (in the kiosk: the upload
    // server, the automatic import's timer, the screens).
    void settingsChanged(const QString& command, const QJsonObject& arguments);
};

}  // namespace korvel
