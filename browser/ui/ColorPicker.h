#pragma once

#include "platform/ui/ModalOverlay.h"

#include <QColor>
#include <QList>

#include <functional>
#include <optional>

class QButtonGroup;
class QFrame;
class QPushButton;

namespace korvel {

// A page's colour input, answered inside the kiosk window: a panel of touch-sized swatches with
// "Cancel" and "Done", over a layer that takes every other touch. It deletes itself once answered.
class ColorPicker final : public ModalOverlay {
    Q_OBJECT
public:
    // Receives the chosen colour, or nothing for Cancel.
    using Answer = std::function<void(std::optional<QColor>)>;

    // `initial` is preselected when it is one of the swatches; Done without a touch on a swatch
    // answers `initial`.
    ColorPicker(const QColor& initial, Answer answer);
    ~ColorPicker() override;

    // The colours offered, in the order shown (rows of eight).
    static const QList<QColor>& swatchColors();

    // Covers the window of `over`; false, showing nothing, when there is no window.
    bool showOver(QWidget* over);
    // Answers as Cancel would (the question went away); nothing once answered.
    void cancel();

    QList<QPushButton*> swatches() const { return m_swatches; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* doneButton() const { return m_done; }
    // The colour Done would answer now.
    QColor selectedColor() const { return m_selected; }

    // The picker on screen now; nullptr when none is.
    static ColorPicker* visiblePicker();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void finish(std::optional<QColor> color);
    void placePanel();

    QFrame* m_panel = nullptr;
    QButtonGroup* m_group = nullptr;
    QList<QPushButton*> m_swatches;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_done = nullptr;
    QColor m_selected;
    Answer m_answer;
};

}  // namespace korvel
