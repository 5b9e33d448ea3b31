#pragma once

#include <QUrl>

#include <optional>

namespace korvel {

// An address another program handed over, kept until a screen that opens such addresses takes it:
// one handed over while Korvel starts arrives before the home screen or the tabs exist.
class HandedOverAddress {
public:
    static void hold(const QUrl& url);
    // The address held, once; nothing after it was taken.
    static std::optional<QUrl> take();
};

}  // namespace korvel
