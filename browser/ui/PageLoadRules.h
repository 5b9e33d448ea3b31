#pragma once

#include "platform/Timer.h"
#include "policy/LoadLearning.h"

#include <QObject>
#include <QUrl>

namespace korvel {

class KVSettings;
class UserAgentInterceptor;

// Keeps the interceptor's load rules in step with the stored settings, writes its refusals to the
// event log on the main thread, and keeps learn mode's record on disk while learn mode is on.
class PageLoadRules final : public QObject {
    Q_OBJECT
public:
    // Once, when the interceptor is made.
    static void install(UserAgentInterceptor* interceptor);
    // A navigation refused while `page` was showing (learn mode only). A frame's is also a host
    // the page would load from, so learn apply can let the frame in.
    static void refusedNavigation(const QUrl& page, const QUrl& refused, bool frame);
    // Writes learn mode's record now (learn mode also writes it every two seconds it changed).
    static bool saveLearning();

private:
    explicit PageLoadRules(UserAgentInterceptor* interceptor);
    void stored(const KVSettings& settings);

    UserAgentInterceptor* m_interceptor;
    LoadLearning m_learning;
    bool m_learningOn = false;
    bool m_recordReadable = true;
    Timer m_save;
};

}  // namespace korvel
