#include "browser/ui/TabCell.h"

#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace korvel {

namespace {

constexpr int iconSize = 22;

}  // namespace

TabCell::TabCell(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("tabbarCell"));
    setAttribute(Qt::WA_StyledBackground);
    setMinimumHeight(Theme::touchTarget);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->setSpacing(Theme::spacing);
    m_icon = new QLabel(this);
    m_icon->setFixedSize(iconSize + 6, iconSize + 6);
    m_icon->setAlignment(Qt::AlignCenter);
    m_label = new QLabel(this);
    m_label->setFont(Theme::bodyFont());
    m_label->setMinimumWidth(20);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("tabCloseButton"));
    m_close->setFixedSize(Theme::touchTarget, Theme::touchTarget);
    m_close->setIcon(Images::icon(QStringLiteral("tab_close_icon")));
    m_close->setIconSize(QSize(24, 24));
    m_close->setFlat(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    //% "Close tab"
    m_close->setAccessibleName(qtTrId("TEXT_CLOSE_TAB"));
    connect(m_close, &QPushButton::clicked, this, [this] { Q_EMIT crossPressedForTabCell(this); });
    layout->addWidget(m_icon);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_close);
    setIcon(QPixmap());
    applyLook();
}

void TabCell::setLabel(const QString& text)
{
    m_text = text;
    m_label->setText(m_label->fontMetrics().elidedText(text, Qt::ElideRight, qMax(20, m_label->width())));
    m_label->setToolTip(text);
}

QString TabCell::label() const
{
    return m_text;
}

void TabCell::setIcon(const QPixmap& icon)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap shown = icon.isNull() ? Images::pixmap(QStringLiteral("korvelglobe"), QSize(iconSize, iconSize), ratio)
                                  : icon.scaled(QSize(iconSize, iconSize) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    m_icon->setPixmap(shown);
}

void TabCell::setCloseButtonVisible(bool visible)
{
    m_close->setVisible(visible);
}

bool TabCell::isCloseButtonVisible() const
{
    return !m_close->isHidden();
}

void TabCell::setSelectedLook(bool selected)
{
    m_selected = selected;
    applyLook();
}

void TabCell::applyLook()
{
    const bool dark = Theme::appearance() == Appearance::Dark;
    const Theme& theme = Theme::current();
    QString background;
    QString text;
    QString border = QStringLiteral("transparent");
    QString closeArea = QStringLiteral("transparent");
    if (m_selected) {
        background = dark ? theme.background.name() : QStringLiteral("#ffffff");
        text = theme.label.name();
        border = dark ? theme.tint.name() : QStringLiteral("#ffffff");
    } else if (dark) {
        background = QStringLiteral("#1c1c1e");
        // Readable on the dark strip (the grey of a disabled control would not be).
        text = theme.secondaryLabel.name();
        closeArea = QStringLiteral("rgba(255, 255, 255, 38)");
    } else {
        background = QStringLiteral("#d9d9de");
        text = QColor::fromRgbF(0.0353f, 0.0353f, 0.0353f).name();
    }
    setStyleSheet(QStringLiteral("QFrame#tabbarCell { background: %1; border-top-left-radius: 9px; border-top-right-radius: 9px;"
                                 " border-bottom: 3px solid %2; }"
                                 " QLabel { color: %3; background: transparent; }"
                                 " QPushButton#tabCloseButton { border: none; border-radius: 25px; background: %4; }"
                                 " QPushButton#tabCloseButton:pressed { background: rgba(128, 128, 128, 90); }")
                      .arg(background, border, text, closeArea));
}

void TabCell::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT tapped(this);
}

void TabCell::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    setLabel(m_text);
}

}  // namespace korvel
