#include "cli/PolicyCommand.h"

#include "control/ControlCommand.h"
#include "policy/NavigationPolicy.h"
#include "settings/KVSettings.h"

#include <QTextStream>

namespace korvel {

int runPolicyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const auto usage = [&err] {
        err << "korvelctl: usage: policy check [--tabbed] [--type link|other] [--new-window] URL\n";
        return ExitStatus::Refused;
    };
    if (arguments.value(0) != QLatin1String("check"))
        return usage();

    NavigationAction action;
    std::optional<WindowMode> mode;
    QString address;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--tabbed")) {
            mode = WindowMode::Tabbed;
        } else if (a == QLatin1String("--new-window")) {
            action.opensNewWindow = true;
        } else if (a == QLatin1String("--type") && i + 1 < arguments.size()) {
            const QString type = arguments.at(++i);
            if (type == QLatin1String("link"))
                action.type = NavigationType::LinkActivated;
            else if (type == QLatin1String("other"))
                action.type = NavigationType::Other;
            else {
                err << "korvelctl: --type takes link or other, not \"" << type << "\"\n";
                return ExitStatus::Refused;
            }
        } else if (a.startsWith(QLatin1String("--")) || !address.isNull()) {
            return usage();
        } else {
            address = a;
        }
    }
    if (address.isEmpty())
        return usage();
    action.url = QUrl(address);
    if (!action.url.isValid()) {
        err << "korvelctl: \"" << address << "\" is not an address\n";
        return ExitStatus::Refused;
    }

    const KVSettings& settings = KVSettings::getSettingsObject();
    BrowserWindowState window;
    NavigationPolicy policy;
    const NavigationDecision decision =
        policy.decide(settings, action, window, NavigationServices::standard(),
                      mode.value_or(settings.kvBrowPref.useMultiTab ? WindowMode::Tabbed : WindowMode::SingleWindow));
    out << (decision.verdict == Verdict::Allow ? "allow" : "cancel") << '\n';
    for (const NavigationEffect& effect : decision.effects)
        out << effect.describe() << '\n';
    return ExitStatus::Done;
}

}  // namespace korvel
