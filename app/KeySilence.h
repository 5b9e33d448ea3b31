#pragma once

#include <QObject>

namespace korvel {

// Keys that go nowhere until the next touch. When the password prompt closes without opening the
// settings (its time ran out, Cancel, a wrong password), an administrator may still be typing on
// a keyboard: the rest of the password must not reach the page that is in front again.
class KeySilence final : public QObject {
    Q_OBJECT
public:
    // Silences keys from now until the next "EventHasOccurred" (a touch, or a click where there is
    // no touch screen). Calling it again while silent changes nothing.
    static void begin();
    // Lets keys through again.
    static void end();
    static bool active();
    // Whether an event of this type is a key a silence swallows.
    static bool silences(int eventType);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeySilence();
};

}  // namespace korvel
