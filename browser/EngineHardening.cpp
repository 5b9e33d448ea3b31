#include "browser/EngineHardening.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

EngineHardening EngineHardening::from(const KVBrowserPrefSettings& preferences)
{
    return {preferences.disableJIT, preferences.limitWebRTC, preferences.blockThirdPartyCookies};
}

EngineHardening EngineHardening::inEffect(const QString& flags, const KVBrowserPrefSettings& preferences)
{
    const QStringList given = flags.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EngineHardening all{true, true, true};
    const QStringList wanted = all.engineFlags();
    return {given.contains(wanted.at(0)), given.contains(wanted.at(1)), preferences.blockThirdPartyCookies};
}

QStringList EngineHardening::engineFlags() const
{
    QStringList flags;
    if (disableJIT)
        flags << QStringLiteral("--js-flags=--jitless");
    // No UDP but through a proxy: without one, WebRTC gathers no candidate that names the device.
    if (limitWebRTC)
        flags << QStringLiteral("--force-webrtc-ip-handling-policy=disable_non_proxied_udp");
    return flags;
}

QString EngineHardening::appliedTo(const QString& flags) const
{
    QStringList all = flags.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& flag : engineFlags()) {
        all.removeAll(flag);
        all << flag;
    }
    return all.join(QLatin1Char(' '));
}

QStringList EngineHardening::describe() const
{
    const auto state = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return {QStringLiteral("remote debugging refused: on"), QStringLiteral("JIT off (DisableJIT): %1").arg(state(disableJIT)),
            QStringLiteral("WebRTC only through a proxy (LimitWebRTC): %1").arg(state(limitWebRTC)),
            QStringLiteral("third-party cookies refused (BlockThirdPartyCookies): %1").arg(state(blockThirdPartyCookies))};
}

}  // namespace korvel
