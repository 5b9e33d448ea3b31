#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <chrono>

namespace korvel {

enum class ToastPosition { Top, Center, Bottom };

struct ToastOptions {
    std::chrono::milliseconds duration = std::chrono::seconds(2);
    ToastPosition position = ToastPosition::Top;
    QString title;
    QImage image;
};

// A short message laid over a widget, gone after its duration (on the installed Clock). Several
// toasts at the same position over the same widget stack up instead of covering each other.
// Touches pass through a toast to the page under it.
class Toast final : public QWidget {
    Q_OBJECT
public:
    ~Toast() override;

    QString text() const { return m_text; }
    QString title() const { return m_options.title; }
    QImage image() const { return m_options.image; }
    ToastPosition position() const { return m_options.position; }
    std::chrono::milliseconds duration() const { return m_options.duration; }
    // The widget the toast is shown over; nullptr once that widget is gone.
    QWidget* over() const { return m_over; }

    // Takes the toast away before its time.
    void remove();

    // The toasts shown over `over`, oldest first; every toast when `over` is nullptr.
    static QList<Toast*> visibleToasts(QWidget* over = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend Toast* makeToast(QWidget* over, const QString& text, ToastOptions options);

    Toast(QWidget* over, const QString& text, ToastOptions options);
    void fitInto(int maxWidth);
    void unregister();
    static void layoutOver(QWidget* over);

    QPointer<QWidget> m_over;
    QString m_text;
    ToastOptions m_options;
    QImage m_scaledImage;
    QRect m_imageRect;
    QRect m_titleRect;
    QRect m_textRect;
    qreal m_opacity = 1.0;
    bool m_removed = false;
};

// Shows `text`, with the options' title and image, over `over` (the active window when nullptr).
// Returns the toast, or nullptr when there is nothing to show (no text, title or image) or no
// window to show it in.
Toast* makeToast(QWidget* over, const QString& text, ToastOptions options = {});

}  // namespace korvel
