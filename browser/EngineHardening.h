#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

struct KVBrowserPrefSettings;

// The web engine's hardening switches as the preferences set them: what goes on the engine's
// command line at the start, and the names the self-test and the system information list.
struct EngineHardening {
    bool disableJIT = true;
    bool limitWebRTC = true;
    bool blockThirdPartyCookies = true;

    static EngineHardening from(const KVBrowserPrefSettings& preferences);
    // The switches in effect in a running engine: those of its start's `flags`
    // (QTWEBENGINE_CHROMIUM_FLAGS) and the cookie preference as it stands (it applies at once).
    static EngineHardening inEffect(const QString& flags, const KVBrowserPrefSettings& preferences);

    // Engine switches to add: "--js-flags=--jitless", "--force-webrtc-ip-handling-policy=...".
    QStringList engineFlags() const;
    // `flags` (QTWEBENGINE_CHROMIUM_FLAGS) with this start's switches added. The engine keeps the
    // last of a repeated switch, so ours come last and win over the same switch given before.
    QString appliedTo(const QString& flags) const;
    // Every switch by name with "on" or "off", the remote-debugging refusal first (it is always on).
    QStringList describe() const;
    // Whether a cookie is refused: a third-party one when they are blocked.
    bool refusesCookie(bool thirdParty) const { return blockThirdPartyCookies && thirdParty; }
};

}  // namespace korvel
