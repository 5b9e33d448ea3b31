#include "browser/ui/BrowserToolbar.h"

#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "policy/WebsiteAddress.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSizePolicy>
#include <QToolButton>

namespace korvel {

namespace {

// The bar grows by what its titles grow with larger text; the icons keep their size.
int barHeight()
{
    constexpr int titleLine = 16;
    return Theme::toolbarHeight + ThemeLegibility::scaled(titleLine) - titleLine;
}

}  // namespace

BrowserToolbar::BrowserToolbar(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 1, 8, 0);
    layout->setSpacing(4);
    // A bar of buttons: only as tall as its buttons, the page takes the rest.
    setFixedHeight(barHeight());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    const Theme& theme = Theme::current();
    setStyleSheet(QStringLiteral("QToolButton { border: none; border-radius: 10px; color: %1; padding: 2px 4px; }"
                                 "QToolButton:pressed { background: %2; }"
                                 "QToolButton:disabled { color: %3; }")
                      .arg(theme.tint.name(), theme.selection.name(), theme.secondaryLabel.name()));
}

void BrowserToolbar::paintEvent(QPaintEvent*)
{
    const Theme& theme = Theme::current();
    QPainter painter(this);
    painter.fillRect(rect(), theme.cell);
    if (!m_background.isNull())
        painter.drawImage(rect(), m_background);
    painter.fillRect(QRect(0, 0, width(), 1), theme.separator);
}

void BrowserToolbar::setBackgroundImage(const QString& setting)
{
    // The same rule as the items' custom images: a file of Documents that loads.
    const QString file = imageFileFor(ToolbarItem{0, {}, {}, setting});
    m_background = file.isEmpty() ? QImage() : QImage(file);
    update();
}

QIcon BrowserToolbar::imageFor(const ToolbarItem& item)
{
    const QString custom = imageFileFor(item);
    // A custom image that does not load falls back to the built-in icon, never an empty item.
    return custom.isEmpty() ? Images::icon(item.builtInImage) : QIcon(custom);
}

QString BrowserToolbar::imageFileFor(const ToolbarItem& item)
{
    if (item.customImage.isEmpty())
        return QString();
    const std::optional<QUrl> url = WebsiteAddress::getURLFromString(item.customImage);
    if (!url || !url->isLocalFile())
        return QString();
    const QString file = url->toLocalFile();
    return QFileInfo::exists(file) && !QImage(file).isNull() ? file : QString();
}

void BrowserToolbar::setItems(const QList<ToolbarItem>& items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    m_order.clear();
    auto* row = static_cast<QHBoxLayout*>(layout());
    for (const ToolbarItem& item : items) {
        auto* button = new QToolButton(this);
        button->setText(qtTrId(item.titleKey.toLatin1().constData()));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFont(Theme::detailFont());
        button->setIconSize(QSize(Theme::toolbarImageSize, Theme::toolbarImageSize));
        button->setIcon(imageFor(item));
        button->setProperty("usesCustomImage", !imageFileFor(item).isEmpty());
        button->setMinimumSize(Theme::touchTarget + 30, barHeight() - 6);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        const int tag = item.tag;
        connect(button, &QToolButton::clicked, this, [this, tag] { Q_EMIT triggered(tag); });
        row->addWidget(button, 1);
        m_buttons.insert(tag, button);
        m_order.append(tag);
    }
}

void BrowserToolbar::setItemEnabled(int tag, bool enabled)
{
    if (QToolButton* button = m_buttons.value(tag))
        button->setEnabled(enabled);
}

bool BrowserToolbar::isItemEnabled(int tag) const
{
    QToolButton* button = m_buttons.value(tag);
    return button && button->isEnabled();
}

void BrowserToolbar::trigger(int tag)
{
    if (QToolButton* button = m_buttons.value(tag); button && button->isEnabled())
        button->click();
}

}  // namespace korvel
