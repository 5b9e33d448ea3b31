#pragma once

#include <QAbstractButton>

namespace korvel {

// An on/off switch sized for a finger: the track is drawn at the platform's familiar size, the
// touch area is a full touch target around it.
class ToggleSwitch final : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToggleSwitch(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace korvel
