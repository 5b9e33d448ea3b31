#include "platform/ui/FieldButtons.h"

#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace korvel {

namespace {

// Keeps a widget at one end of its field, whatever the field's size.
class EndPlacer final : public QObject {
public:
    EndPlacer(QLineEdit* field, QWidget* placed, bool right)
        : QObject(placed)
        , m_field(field)
        , m_placed(placed)
        , m_right(right)
    {
        field->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_field && event->type() == QEvent::Resize)
            place();
        return false;
    }

private:
    void place()
    {
        m_placed->move(m_right ? m_field->width() - m_placed->width() : 0, (m_field->height() - m_placed->height()) / 2);
    }

    QLineEdit* m_field;
    QWidget* m_placed;
    bool m_right;
};

}  // namespace

QToolButton* addClearButton(QLineEdit* field)
{
    field->setClearButtonEnabled(false);
    const int side = Theme::touchTarget;
    auto* button = new QToolButton(field);
    button->setObjectName(QStringLiteral("clearButton"));
    button->setFixedSize(side, side);
    button->setIcon(Images::icon(QStringLiteral("tab_close_icon")));
    button->setIconSize(QSize(22, 22));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; }"));
    //% "Clear"
    button->setAccessibleName(qtTrId("TEXT_CLEAR_FIELD"));
    // The typed text stops before the button instead of running under it.
    const QMargins margins = field->textMargins();
    field->setTextMargins(margins.left(), margins.top(), side - 8, margins.bottom());
    button->setVisible(!field->text().isEmpty());
    QObject::connect(field, &QLineEdit::textChanged, button, [button](const QString& text) { button->setVisible(!text.isEmpty()); });
    QObject::connect(button, &QToolButton::clicked, field, [field] {
        field->clear();
        Q_EMIT field->textEdited(QString());
    });
    new EndPlacer(field, button, true);
    return button;
}

QLabel* addLeadingIcon(QLineEdit* field, const QIcon& icon)
{
    const int side = 36;
    auto* label = new QLabel(field);
    label->setObjectName(QStringLiteral("fieldIcon"));
    label->setFixedSize(side, side);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(icon.pixmap(QSize(20, 20), field->devicePixelRatioF()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    const QMargins margins = field->textMargins();
    field->setTextMargins(side - 8, margins.top(), margins.right(), margins.bottom());
    new EndPlacer(field, label, false);
    return label;
}

}  // namespace korvel
