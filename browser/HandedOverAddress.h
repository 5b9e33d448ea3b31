#pragma once

#include <QUrl>

#include <functional>
#include <optional>

class QObject;

namespace korvel {

// An address another program handed over, kept until a screen that opens such addresses takes it:
// one handed over while Korvel starts arrives before the home screen or the tabs exist.
class HandedOverAddress {
public:
    static void hold(const QUrl& url);
    // The address held, once; nothing after it was taken.
    static std::optional<QUrl> take();
    // Gives `open` each address handed over from now on ("ExternalURL"), and the one held before,
    // once the event loop turns; for as long as `receiver` lives.
    static void deliverTo(QObject* receiver, const std::function<void(const QUrl&)>& open);
};

}  // namespace korvel
