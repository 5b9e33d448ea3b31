#include "platform/ui/FieldButtons.h"

#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace korvel {

namespace {

// Keeps a widget at one end of its field, whatever the field's size and direction: right to left
// the end is on the left. The typed text keeps clear of it.
class EndPlacer final : public QObject {
public:
    EndPlacer(QLineEdit* field, QWidget* placed, bool atEnd, int room)
        : QObject(placed)
        , m_field(field)
        , m_placed(placed)
        , m_atEnd(atEnd)
    {
        field->setProperty(atEnd ? "endTextRoom" : "startTextRoom", room);
        field->installEventFilter(this);
        place();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_field && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutDirectionChange))
            place();
        return false;
    }

private:
    void place()
    {
        const bool rtl = m_field->isRightToLeft();
        const bool right = m_atEnd != rtl;
        m_placed->move(right ? m_field->width() - m_placed->width() : 0, (m_field->height() - m_placed->height()) / 2);
        const int start = m_field->property("startTextRoom").toInt();
        const int end = m_field->property("endTextRoom").toInt();
        const QMargins margins = m_field->textMargins();
        m_field->setTextMargins(rtl ? end : start, margins.top(), rtl ? start : end, margins.bottom());
    }

    QLineEdit* m_field;
    QWidget* m_placed;
    bool m_atEnd;
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
    button->setVisible(!field->text().isEmpty());
    QObject::connect(field, &QLineEdit::textChanged, button, [button](const QString& text) { button->setVisible(!text.isEmpty()); });
    QObject::connect(button, &QToolButton::clicked, field, [field] {
        field->clear();
        Q_EMIT field->textEdited(QString());
    });
    // The typed text stops before the button instead of running under it.
    new EndPlacer(field, button, true, side - 8);
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
    new EndPlacer(field, label, false, side - 8);
    return label;
}

}  // namespace korvel
