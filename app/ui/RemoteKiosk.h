#pragma once

#include "control/ControlPerformer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QWidget;

namespace korvel {

class KVAppDelegate;
class KVWKViewController;
class Timer;

// Performs the kiosk's own commands of the command set ("kiosk.*": status, screenshot, navigate,
// reload, home, end of visit, screen, screensaver, restart) on the running kiosk's screens, as the
// remote control API and korvelctl send them. Main thread only.
class RemoteKiosk final : public QObject {
public:
    RemoteKiosk(QWidget* window, KVAppDelegate* delegate);
    ~RemoteKiosk() override;

    // The render path the kiosk chose at its start, for the status.
    static void setRenderPath(const QString& text);

    void perform(const ControlCommand& command, const ControlPerformer::Done& done);
    QJsonObject status() const;

private:
    KVWKViewController* visibleWindow() const;
    bool settingsOpen() const;
    ControlReply navigate(const QJsonObject& arguments);
    ControlReply screenshot() const;
    ControlReply screen(const QJsonObject& arguments);
    ControlReply screensaver(const QJsonObject& arguments);
    void returnFromVisit();

    QPointer<QWidget> m_window;
    KVAppDelegate* m_delegate;
    QElapsedTimer m_started;
    Timer* m_return = nullptr;
    // Where the kiosk was before a navigation for a while: a window's page, or the start.
    QPointer<KVWKViewController> m_returnWindow;
    QUrl m_returnUrl;
};

}  // namespace korvel
