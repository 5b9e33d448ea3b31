#include "app/ui/KVStatusBar.h"

#include "app/StatusLine.h"
#include "platform/Clock.h"
#include "platform/Reachability.h"
#include "platform/Timer.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>

namespace korvel {

KVStatusBar::KVStatusBar(Reachability* reachability, QWidget* parent)
    : QWidget(parent)
    , m_reachability(reachability)
    , m_clock(new QLabel(this))
    , m_network(new QLabel(this))
    , m_minute(new Timer(this))
{
    setObjectName(QStringLiteral("KVStatusBar"));
    setAttribute(Qt::WA_StyledBackground);
    applyLook();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(m_network);
    layout->addStretch();
    layout->addWidget(m_clock);

    connect(m_minute, &Timer::timeout, this, [this] {
        refresh();
        scheduleMinute();
    });
    if (m_reachability)
        connect(m_reachability, &Reachability::changed, this, &KVStatusBar::refresh);
    refresh();
    scheduleMinute();
}

void KVStatusBar::applyLook()
{
    const Look look{ThemeLegibility::scaled(20), ThemeLegibility::scaled(12), Theme::current().cell.rgba(), Theme::current().label.rgba()};
    if (look == m_look)
        return;
    m_look = look;
    setFixedHeight(look.height);
    setStyleSheet(QStringLiteral("#KVStatusBar { background: %1; } QLabel { font-size: %3px; font-weight: 600; color: %2; }")
                      .arg(QColor::fromRgba(look.background).name(), QColor::fromRgba(look.text).name())
                      .arg(look.fontPixels));
}

QString KVStatusBar::clockText() const
{
    return m_clock->text();
}

QString KVStatusBar::networkText() const
{
    return m_network->text();
}

void KVStatusBar::refresh()
{
    const NetworkStatus status =
        m_reachability ? m_reachability->currentReachabilityStatus() : NetworkStatus::NotReachable;
    const StatusLine line = StatusLine::make(Clock::instance().now(), status);
    m_clock->setText(line.clock);
    m_network->setText(line.network);
}

void KVStatusBar::scheduleMinute()
{
    m_minute->start(StatusLine::untilNextMinute(Clock::instance().now()), TimerMode::SingleShot);
}

}  // namespace korvel
