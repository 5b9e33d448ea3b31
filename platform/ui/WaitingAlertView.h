#pragma once

#include "platform/ui/ModalOverlay.h"

#include <optional>

class QLabel;
class QProgressBar;

namespace korvel {

// "Please wait" over a whole window: a text and a bar, busy until a progress is given. Nothing
// under it can be touched while it is shown. It stays alive after dismiss() for the next use
// and belongs to the window it covered.
class WaitingAlertView final : public ModalOverlay {
    Q_OBJECT
public:
    explicit WaitingAlertView(QWidget* parent = nullptr);

    // Shows `text` over the window of `over` (the key window when nullptr); when already shown,
    // only changes the text. The progress starts unknown. Returns false when there is no window.
    bool showOver(QWidget* over, const QString& text);
    void dismiss();
    bool isShowing() const { return m_showing; }

    QString text() const;
    void setText(const QString& text);
    // Clamped to 0..1; nullopt while the progress is unknown.
    std::optional<double> progress() const { return m_progress; }
    void setProgress(double progress);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanel();

    QWidget* m_panel = nullptr;
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
    std::optional<double> m_progress;
    bool m_showing = false;
};

}  // namespace korvel
