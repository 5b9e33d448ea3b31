#include "app/ui/MotionLock.h"

#include "platform/ui/DimmingOverlay.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace korvel {

namespace {

class LockText final : public QLabel {
public:
    explicit LockText(QWidget* parent)
        : QLabel(parent)
    {
        setObjectName(QStringLiteral("motionLockText"));
        retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::LanguageChange)
            retranslate();
    }

private:
    void retranslate()
    {
        //% "The screen is locked while the device is moving."
        setText(qtTrId("TEXT_MOTION_LOCKED"));
    }
};

}  // namespace

DimmingOverlay* MotionLock::make(NavigationStack* stack)
{
    auto* lock = new DimmingOverlay(QColor(0, 0, 0, 191), stack);
    lock->setObjectName(QStringLiteral("drivingModeView"));
    auto* words = new LockText(lock);
    words->setAlignment(Qt::AlignCenter);
    words->setWordWrap(true);
    // On a panel of its own, so it reads over any page.
    words->setStyleSheet(QStringLiteral("color: white; background: rgba(0, 0, 0, 230); border-radius: 16px; padding: 28px 36px;"));
    words->setFont(Theme::titleFont());
    words->setMaximumWidth(560);
    auto* layout = new QVBoxLayout(lock);
    layout->addWidget(words, 0, Qt::AlignCenter);
    return lock;
}

}  // namespace korvel
