#include "browser/ui/FadingTabbarTransitionAnimation.h"

#include "platform/ui/NavigationStack.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QVariantAnimation>

namespace korvel {

FadingTabbarTransitionAnimation::FadingTabbarTransitionAnimation(QObject* parent)
    : QObject(parent)
{
}

FadingTabbarTransitionAnimation::~FadingTabbarTransitionAnimation()
{
    qApp->removeEventFilter(this);
    delete m_picture;
}

bool FadingTabbarTransitionAnimation::isRunning() const
{
    return m_animation != nullptr;
}

void FadingTabbarTransitionAnimation::transition(QWidget* container, QWidget* from, QWidget* to, std::function<void()> finished)
{
    // A switch during a switch ends the first one at once.
    if (m_animation)
        m_animation->stop();
    finish();
    m_finished = std::move(finished);
    QPixmap leaving;
    const bool animate = NavigationStack::animationsEnabled() && from && to && from != to && from->isVisible();
    if (animate)
        leaving = from->grab();
    if (from && from != to)
        from->hide();
    if (to) {
        to->setGeometry(container->rect());
        to->show();
        to->raise();
    }
    if (!animate) {
        finish();
        return;
    }
    m_picture = new QLabel(container);
    m_picture->setPixmap(leaving);
    m_picture->setGeometry(container->rect());
    auto* opacity = new QGraphicsOpacityEffect(m_picture);
    opacity->setOpacity(1.0);
    m_picture->setGraphicsEffect(opacity);
    m_picture->show();
    m_picture->raise();
    qApp->installEventFilter(this);
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(int(duration.count()));
    m_animation->setStartValue(1.0);
    m_animation->setEndValue(0.0);
    connect(m_animation, &QVariantAnimation::valueChanged, opacity, [opacity](const QVariant& value) { opacity->setOpacity(value.toDouble()); });
    connect(m_animation, &QVariantAnimation::finished, this, &FadingTabbarTransitionAnimation::finish);
    m_animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void FadingTabbarTransitionAnimation::finish()
{
    qApp->removeEventFilter(this);
    if (m_picture) {
        m_picture->hide();
        m_picture->deleteLater();
        m_picture.clear();
    }
    m_animation.clear();
    if (std::function<void()> done = std::exchange(m_finished, nullptr))
        done();
}

bool FadingTabbarTransitionAnimation::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Wheel:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace korvel
