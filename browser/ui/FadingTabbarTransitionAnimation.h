#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>

class QLabel;
class QVariantAnimation;
class QWidget;

namespace korvel {

// The switch between two tabs: the tab that leaves is kept as a picture over the one that arrives
// and fades out over 0.6 seconds, so the arriving page (which the engine draws itself) is never
// drawn translucent. While it runs, the application takes no touches.
class FadingTabbarTransitionAnimation final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds duration{600};

    explicit FadingTabbarTransitionAnimation(QObject* parent = nullptr);
    ~FadingTabbarTransitionAnimation() override;

    // Shows `to` in place of `from` (either may be nullptr) inside `container`; `finished` runs at
    // the end. Immediate when the navigation stack's animations are off.
    void transition(QWidget* container, QWidget* from, QWidget* to, std::function<void()> finished = {});
    bool isRunning() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QPointer<QVariantAnimation> m_animation;
    QPointer<QLabel> m_picture;
    std::function<void()> m_finished;
};

}  // namespace korvel
