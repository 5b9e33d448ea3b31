#pragma once

#include "platform/ui/ModalOverlay.h"

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

class QBoxLayout;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace korvel {

class Timer;

// A titled message with optional text fields and buttons, laid over a whole window. One alert
// is visible at a time: an alert shown while another is visible waits, and appears when the
// visible one goes (an alert shown from a button's action appears at once, before older waiting
// ones). An alert deletes itself once it has gone.
class Alert : public ModalOverlay {
    Q_OBJECT
public:
    enum class Role { Default, Cancel, Destructive };
    enum class TextEntry { Plain, Secure };
    // Runs when its button is pressed, after the alert went off screen; the text fields can
    // still be read.
    using Action = std::function<void(Alert& alert)>;

    explicit Alert(const QString& title, const QString& message = QString(), QWidget* parent = nullptr);
    ~Alert() override;

    QString title() const;
    QString message() const;
    // Changes the message while the alert is shown (a prompt that comments on what is typed).
    void setMessage(const QString& message);

    // Returns the new field's index.
    int addTextField(const QString& placeholder, TextEntry entry = TextEntry::Plain, const QString& text = QString());
    int textFieldCount() const { return int(m_fields.size()); }
    // nullptr / empty text when there is no field at `index`.
    QLineEdit* textField(int index) const;
    QString textFieldText(int index) const;

    // Returns the new button's index. Escape presses the first Cancel button; Return the
    // preferred button, or the only Default button.
    int addButton(const QString& text, Role role = Role::Default, Action action = {});
    int buttonCount() const { return int(m_buttons.size()); }
    // nullptr / empty text when there is no button at `index`.
    QPushButton* button(int index) const;
    QString buttonText(int index) const;
    // -1 when no button has that text.
    int buttonIndex(const QString& text) const;

    // Shows the alert over the window of `over` (the key window when nullptr), or queues it
    // while another alert is visible. Returns false, showing nothing, when there is no window or
    // the alert was shown before.
    bool showOver(QWidget* over);
    bool isWaiting() const;

    // Goes as if the button at `index` were pressed; nothing when there is no such button or
    // the alert has already gone.
    void dismissWithButton(int index);
    // Goes without running any button's action.
    void dismiss();
    // Goes after `after` on screen (counted from now when already visible, else from its
    // appearance), as if the button at `buttonIndex` were pressed, or as dismiss() for -1.
    // Calling it again restarts the count.
    void setAutoDismiss(std::chrono::milliseconds after, int buttonIndex = -1);

    // The alert on screen now; nullptr when none is.
    static Alert* visibleAlert();

Q_SIGNALS:
    // The alert went: the index of the button pressed, -1 for dismiss().
    void finished(int buttonIndex);

protected:
    enum class Style { Alert, Sheet };
    Alert(Style style, const QString& title, const QString& message, QWidget* parent);

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class State { New, Waiting, Visible, Gone };

    void appear();
    void finish(int buttonIndex);
    void arrangeButtons();
    void placePanel();
    void startAutoDismiss();
    int cancelButton() const;
    int returnButton() const;
    static void showNextWaiting();

    Style m_style;
    State m_state = State::New;
    QFrame* m_panel = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_message = nullptr;
    QVBoxLayout* m_fieldBox = nullptr;
    QWidget* m_buttonBox = nullptr;
    QList<QLineEdit*> m_fields;
    QList<QPushButton*> m_buttons;
    QList<Role> m_roles;
    QList<Action> m_actions;
    Timer* m_autoDismiss = nullptr;
    std::chrono::milliseconds m_autoDismissAfter{-1};
    int m_autoDismissButton = -1;
};

}  // namespace korvel
