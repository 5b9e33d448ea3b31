#include "browser/ui/LoadRetryPerformer.h"

#include "browser/EngineProxy.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/ui/Alert.h"

#include <QNetworkProxy>
#include <QTcpSocket>

namespace korvel {

namespace {

// The error alert of a failed load, left over once the page is back or tried again.
void dismissErrorAlert()
{
    if (Alert* alert = Alert::visibleAlert(); alert && alert->title() == qtTrId("TEXT_TAB_ERROR"))
        alert->dismiss();
}

}  // namespace

LoadRetryPerformer::LoadRetryPerformer(Window window, QObject* parent)
    : QObject(parent)
    , m_window(std::move(window))
    , m_tick(this)
{
    connect(&m_tick, &Timer::timeout, this, &LoadRetryPerformer::tick);
}

void LoadRetryPerformer::failed(const QUrl& url, const LoadError& error)
{
    if (error.kind == LoadError::Kind::Cancelled || error.kind == LoadError::Kind::FrameLoadInterrupted)
        return;
    m_rule.failed(url, Clock::instance().now());
    KVLog(QStringLiteral("Error"), QStringLiteral("Loading %@ failed (%@, code %d); trying again in %d s"), url.toString(QUrl::FullyEncoded),
          error.engineText, error.code, int(LoadRetry::wait(m_rule.failures()).count()));
    if (!m_tick.isActive()) {
        m_ticks = 0;
        m_tick.start(std::chrono::seconds(1));
    }
}

void LoadRetryPerformer::loaded()
{
    if (!m_rule.retrying())
        return;
    KVLog(QStringLiteral("Webview"), QStringLiteral("%@ is back after %d failed loads"), m_rule.url().toString(QUrl::FullyEncoded),
          m_rule.failures());
    m_rule.loaded();
    m_tick.stop();
    if (m_probe)
        m_probe->abort();
    dismissErrorAlert();
}

void LoadRetryPerformer::triedByHand()
{
    m_rule.triedByHand(Clock::instance().now());
    dismissErrorAlert();
}

int LoadRetryPerformer::secondsLeft() const
{
    return m_rule.secondsLeft(Clock::instance().now());
}

void LoadRetryPerformer::tick()
{
    if (!m_rule.retrying()) {
        m_tick.stop();
        return;
    }
    // A window under the settings or behind another screen tries when it is back.
    if (!m_window.inUse())
        return;
    const QDateTime now = Clock::instance().now();
    if (++m_ticks % int(LoadRetry::probeInterval.count()) == 0)
        probe();
    act(m_rule.due(now), "scheduled");
    if (m_rule.retrying())
        m_window.showCountdown(m_rule.secondsLeft(now));
}

void LoadRetryPerformer::probe()
{
    const QUrl url = m_rule.url();
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    if (url.host().isEmpty() || url.isLocalFile())
        return;
    // Through the engine's own proxy, if it has one (asked to open a connection to the host, not
    // for a page); behind a proxy the kiosk cannot knock at the host directly.
    bool understood = true;
    const std::optional<EngineProxy> proxy = EngineProxy::forUrl(EngineProxy::processSources(), url, &understood);
    if (!understood)
        return;
    // One knock at a time: one still waiting by now counts as no answer.
    if (m_probe) {
        m_probe->abort();
        m_probe->deleteLater();
        probeAnswered(false);
    }
    auto* socket = new QTcpSocket(this);
    m_probe = socket;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        m_probe = nullptr;
        socket->abort();
        socket->deleteLater();
        probeAnswered(true);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] {
        if (m_probe == socket) {
            socket->deleteLater();
            m_probe = nullptr;
            probeAnswered(false);
        }
    });
    // Direct means direct: Qt's own idea of the system's proxy (libproxy) is not the engine's.
    socket->setProxy(proxy ? QNetworkProxy(proxy->type == EngineProxy::Type::Socks5 ? QNetworkProxy::Socks5Proxy : QNetworkProxy::HttpProxy,
                                           proxy->host, proxy->port)
                           : QNetworkProxy(QNetworkProxy::NoProxy));
    socket->connectToHost(url.host(), quint16(port));
}

void LoadRetryPerformer::probeAnswered(bool answered)
{
    if (!m_rule.retrying() || !m_window.inUse())
        return;
    act(m_rule.probed(answered, Clock::instance().now()), "its host answers again");
}

void LoadRetryPerformer::act(LoadRetry::Action action, const char* why)
{
    switch (action) {
    case LoadRetry::Action::Wait:
        return;
    case LoadRetry::Action::Reload:
        KVLog(QStringLiteral("Webview"), QStringLiteral("Trying %@ again (%@)"), m_rule.url().toString(QUrl::FullyEncoded),
              QString::fromLatin1(why));
        dismissErrorAlert();
        m_window.reload(m_rule.url());
        return;
    }
}

}  // namespace korvel
