#include "platform/ui/Alert.h"

#include "platform/ui/Accessibility.h"

#include "platform/Timer.h"
#include "platform/ui/KeyWindow.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QInputMethod>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace korvel {

namespace {

QPointer<Alert>& shownAlert()
{
    static QPointer<Alert> alert;
    return alert;
}

QList<QPointer<Alert>>& waitingAlerts()
{
    static QList<QPointer<Alert>> alerts;
    return alerts;
}

}  // namespace

Alert::Alert(const QString& title, const QString& message, QWidget* parent)
    : Alert(Style::Alert, title, message, parent)
{
}

Alert::Alert(Style style, const QString& title, const QString& message, QWidget* parent)
    : ModalOverlay(parent)
    , m_style(style)
    , m_panel(new QFrame(this))
    , m_title(new QLabel(title, m_panel))
    , m_message(new QLabel(message, m_panel))
    , m_fieldBox(new QVBoxLayout)
    , m_buttonBox(new QWidget(m_panel))
    , m_autoDismiss(new Timer(this))
{
    switch (m_style) {
    case Style::Alert:
        setObjectName(QStringLiteral("alert"));
        break;
    case Style::Sheet:
        setObjectName(QStringLiteral("actionSheet"));
        break;
    }
    m_panel->setObjectName(QStringLiteral("alertPanel"));
    const Theme& theme = Theme::current();
    // Buttons run edge to edge under hairlines, as on the platform the kiosk imitates.
    m_panel->setStyleSheet(
        QStringLiteral("QFrame#alertPanel { background-color: %1; border-radius: 14px; }"
                       "QFrame#alertPanel QLabel { color: %2; }"
                       "QFrame#alertPanel QPushButton { background: transparent; border: none; border-radius: 0;"
                       " border-top: 1px solid %3; color: %4; min-height: %5px; padding: 0 12px; }"
                       "QFrame#alertPanel QPushButton:pressed { background: %6; }"
                       "QFrame#alertPanel QPushButton[alertRole=\"cancel\"] { font-weight: 600; }"
                       "QFrame#alertPanel QPushButton[alertRole=\"destructive\"] { color: %7; }"
                       "QFrame#alertPanel QPushButton[besideOther=\"left\"] { border-left: 1px solid %3; }"
                       "QFrame#alertPanel QPushButton[besideOther=\"right\"] { border-right: 1px solid %3; }")
            .arg(theme.cell.name(), theme.label.name(), theme.separator.name(), theme.tint.name())
            .arg(Theme::touchTarget)
            .arg(theme.selection.name(), theme.destructive.name()));
    m_title->setFont(m_style == Style::Sheet ? Theme::detailFont() : Theme::titleFont());
    m_message->setFont(m_style == Style::Sheet ? Theme::detailFont() : Theme::bodyFont());
    for (QLabel* label : {m_title, m_message}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(20, 0, 20, 0);
        label->setVisible(!label->text().isEmpty());
    }
    m_fieldBox->setContentsMargins(16, 4, 16, 4);
    auto* layout = new QVBoxLayout(m_panel);
    layout->setContentsMargins(0, 20, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_title);
    layout->addWidget(m_message);
    layout->addLayout(m_fieldBox);
    layout->addSpacing(8);
    layout->addWidget(m_buttonBox);
    arrangeButtons();
    connect(m_autoDismiss, &Timer::timeout, this, [this] {
        if (m_autoDismissButton >= 0)
            dismissWithButton(m_autoDismissButton);
        else
            dismiss();
    });
}

Alert::~Alert()
{
    waitingAlerts().removeAll(this);
    if (shownAlert() == this) {
        // Deleted while on screen (its window went): the next one may belong to a window being
        // torn down right now, so it appears from the event loop.
        shownAlert() = nullptr;
        QMetaObject::invokeMethod(qApp, [] { showNextWaiting(); }, Qt::QueuedConnection);
    }
}

QString Alert::title() const
{
    return m_title->text();
}

QString Alert::message() const
{
    return m_message->text();
}

void Alert::setMessage(const QString& message)
{
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
    placePanel();
}

int Alert::addTextField(const QString& placeholder, TextEntry entry, const QString& text)
{
    auto* field = new QLineEdit(text, m_panel);
    field->setPlaceholderText(placeholder);
    // Named by its hint, or by the question it answers.
    field->setAccessibleName(placeholder.isEmpty() ? m_title->text() : placeholder);
    switch (entry) {
    case TextEntry::Plain:
        break;
    case TextEntry::Secure:
        field->setEchoMode(QLineEdit::Password);
        break;
    }
    m_fieldBox->addWidget(field);
    m_fields.append(field);
    placePanel();
    return int(m_fields.size()) - 1;
}

QLineEdit* Alert::textField(int index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields.at(index) : nullptr;
}

QString Alert::textFieldText(int index) const
{
    const QLineEdit* field = textField(index);
    return field ? field->text() : QString();
}

int Alert::addButton(const QString& text, Role role, Action action)
{
    auto* button = new QPushButton(text, m_buttonBox);
    button->setFont(Theme::bodyFont());
    // Alert buttons are touched; the keyboard uses Return and Escape.
    button->setFocusPolicy(Qt::NoFocus);
    switch (role) {
    case Role::Default:
        break;
    case Role::Cancel:
        button->setProperty("alertRole", QStringLiteral("cancel"));
        break;
    case Role::Destructive:
        button->setProperty("alertRole", QStringLiteral("destructive"));
        break;
    }
    const int index = int(m_buttons.size());
    m_buttons.append(button);
    m_roles.append(role);
    m_actions.append(std::move(action));
    connect(button, &QPushButton::clicked, this, [this, index] { dismissWithButton(index); });
    arrangeButtons();
    placePanel();
    return index;
}

QPushButton* Alert::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons.at(index) : nullptr;
}

QString Alert::buttonText(int index) const
{
    const QPushButton* found = button(index);
    return found ? found->text() : QString();
}

int Alert::buttonIndex(const QString& text) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i)->text() == text)
            return i;
    }
    return -1;
}

bool Alert::showOver(QWidget* over)
{
    if (m_state != State::New)
        return false;
    QWidget* target = over ? over : keyWindow();
    if (!target)
        return false;
    setParent(target->window());
    if (shownAlert()) {
        m_state = State::Waiting;
        waitingAlerts().append(this);
        return true;
    }
    appear();
    return true;
}

bool Alert::isWaiting() const
{
    return m_state == State::Waiting;
}

void Alert::dismissWithButton(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    finish(index);
}

void Alert::dismiss()
{
    finish(-1);
}

void Alert::setAutoDismiss(std::chrono::milliseconds after, int buttonIndex)
{
    m_autoDismissAfter = after;
    m_autoDismissButton = buttonIndex;
    if (m_state == State::Visible)
        startAutoDismiss();
}

Alert* Alert::visibleAlert()
{
    return shownAlert();
}

void Alert::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Escape is the cancel button, when there is one, and never anything more.
        if (const int cancel = cancelButton(); cancel >= 0)
            dismissWithButton(cancel);
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        int index = int(m_buttons.indexOf(qobject_cast<QPushButton*>(QApplication::focusWidget())));
        if (index < 0)
            index = returnButton();
        if (index >= 0)
            dismissWithButton(index);
        event->accept();
        return;
    }
    default:
        ModalOverlay::keyPressEvent(event);
    }
}

void Alert::mousePressEvent(QMouseEvent* event)
{
    // A touch beside a sheet closes it as its cancel action would; beside an alert it does nothing.
    switch (m_style) {
    case Style::Alert:
        break;
    case Style::Sheet:
        if (!m_panel->geometry().contains(event->position().toPoint())) {
            if (const int cancel = cancelButton(); cancel >= 0)
                dismissWithButton(cancel);
        }
        break;
    }
    event->accept();
}

void Alert::resizeEvent(QResizeEvent* event)
{
    ModalOverlay::resizeEvent(event);
    placePanel();
}

void Alert::appear()
{
    m_state = State::Visible;
    shownAlert() = this;
    cover(parentWidget());
    QInputMethod* input = QGuiApplication::inputMethod();
    connect(input, &QInputMethod::keyboardRectangleChanged, this, &Alert::placePanel, Qt::UniqueConnection);
    connect(input, &QInputMethod::visibleChanged, this, &Alert::placePanel, Qt::UniqueConnection);
    placePanel();
    if (!m_fields.isEmpty())
        m_fields.first()->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
    if (m_autoDismissAfter.count() >= 0)
        startAutoDismiss();
}

void Alert::finish(int buttonIndex)
{
    if (m_state == State::Gone)
        return;
    const bool wasVisible = m_state == State::Visible;
    m_state = State::Gone;
    waitingAlerts().removeAll(this);
    if (shownAlert() == this)
        shownAlert() = nullptr;
    m_autoDismiss->stop();
    uncover();
    QPointer<Alert> self(this);
    if (buttonIndex >= 0 && m_actions.at(buttonIndex)) {
        const Action action = m_actions.at(buttonIndex);
        action(*this);
    }
    if (self) {
        Q_EMIT finished(buttonIndex);
        deleteLater();
    }
    if (wasVisible)
        showNextWaiting();
}

void Alert::showNextWaiting()
{
    while (!shownAlert() && !waitingAlerts().isEmpty()) {
        const QPointer<Alert> next = waitingAlerts().takeFirst();
        if (next && next->m_state == State::Waiting)
            next->appear();
    }
}

// Two buttons of an alert sit side by side, the cancel one on the left; more buttons, and every
// sheet, stack up with the cancel ones last.
void Alert::arrangeButtons()
{
    delete m_buttonBox->layout();
    const bool stacked = m_style == Style::Sheet || m_buttons.size() > 2;
    auto* box = new QBoxLayout(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, m_buttonBox);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    QList<int> cancels;
    QList<int> others;
    for (int i = 0; i < m_buttons.size(); ++i)
        (m_roles.at(i) == Role::Cancel ? cancels : others).append(i);
    const QList<int> order = stacked ? others + cancels : cancels + others;
    QList<QWidget*> shown;
    for (const int index : order) {
        if (stacked && m_style == Style::Sheet && index == cancels.value(0, -1) && !others.isEmpty())
            box->addSpacing(8);
        QPushButton* button = m_buttons.at(index);
        // The line between two buttons side by side; style sheets do not mirror it right to left.
        const bool beside = !stacked && box->count() > 0;
        button->setProperty("besideOther", beside ? (isRightToLeft() ? QStringLiteral("right") : QStringLiteral("left")) : QString());
        box->addWidget(button);
        shown << button;
    }
    // The Tab key goes through the buttons in the order they are shown in.
    Accessibility::tabInOrder(shown);
}

// The part of the alert's area that an on-screen keyboard leaves free.
static QRect uncoveredArea(const QWidget* overlay)
{
    QRect area = overlay->rect();
    const QInputMethod* input = QGuiApplication::inputMethod();
    const QRectF keyboard = input->isVisible() ? input->keyboardRectangle() : QRectF();
    if (keyboard.isEmpty())
        return area;
    // The keyboard's rectangle is in screen coordinates; a kiosk window starts at the screen's corner.
    const int top = overlay->mapFromGlobal(keyboard.topLeft().toPoint()).y();
    if (top > area.top() && top < area.bottom())
        area.setBottom(top - 1);
    return area;
}

void Alert::placePanel()
{
    if (width() <= 0 || height() <= 0)
        return;
    const QRect free = uncoveredArea(this);
    int side = m_style == Style::Sheet ? 8 : 20;
    // Wider with larger text, so a message keeps about as many words to a line.
    const int widest = ThemeLegibility::scaled(m_style == Style::Sheet ? Theme::widestPanel : 360);
    const int panelWidth = std::max(0, std::min(widest, width() - 2 * side));
    auto* layout = static_cast<QVBoxLayout*>(m_panel->layout());
    const auto heightFor = [layout, panelWidth] {
        layout->activate();
        return layout->hasHeightForWidth() ? layout->totalHeightForWidth(panelWidth) : layout->totalSizeHint().height();
    };
    // Above a keyboard on a small panel the room is short: tighter spacing, then a smaller message,
    // rather than cut-off text.
    layout->setContentsMargins(0, 20, 0, 0);
    layout->setSpacing(8);
    m_message->setFont(m_style == Style::Sheet ? Theme::detailFont() : Theme::bodyFont());
    int panelHeight = heightFor();
    if (panelHeight > free.height() - 2 * side) {
        side = 4;
        layout->setContentsMargins(0, 10, 0, 0);
        layout->setSpacing(2);
        panelHeight = heightFor();
    }
    if (panelHeight > free.height() - 2 * side) {
        m_message->setFont(Theme::detailFont());
        panelHeight = heightFor();
    }
    panelHeight = std::max(0, std::min(panelHeight, free.height() - 2 * side));
    const int x = (width() - panelWidth) / 2;
    // Above an on-screen keyboard, so the field being typed into stays in sight.
    const int y = m_style == Style::Sheet ? free.bottom() + 1 - side - panelHeight
                                          : free.top() + (free.height() - panelHeight) / 2;
    m_panel->setGeometry(x, y, panelWidth, panelHeight);
}

void Alert::startAutoDismiss()
{
    m_autoDismiss->start(m_autoDismissAfter, TimerMode::SingleShot);
}

int Alert::cancelButton() const
{
    return int(m_roles.indexOf(Role::Cancel));
}

int Alert::returnButton() const
{
    if (std::count(m_roles.begin(), m_roles.end(), Role::Default) != 1)
        return -1;
    return int(m_roles.indexOf(Role::Default));
}

}  // namespace korvel
