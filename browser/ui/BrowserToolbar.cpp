#include "browser/ui/BrowserToolbar.h"

#include "platform/Paths.h"
#include "policy/KVUtility.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QSizePolicy>
#include <QToolButton>

namespace korvel {

BrowserToolbar::BrowserToolbar(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    setAutoFillBackground(true);
    // A bar of buttons: only as tall as its buttons, the page takes the rest.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString BrowserToolbar::imageFileFor(const ToolbarItem& item)
{
    if (item.customImage.isEmpty())
        return QString();
    const std::optional<QUrl> url = KVUtility::getURLFromString(item.customImage);
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
        const QString custom = imageFileFor(item);
        const QString builtIn = Paths::resourceFile(QStringLiteral("images/") + item.builtInImage + QStringLiteral(".png"));
        // A custom image that does not load falls back to the built-in icon, never an empty item.
        button->setIcon(QIcon(custom.isEmpty() ? builtIn : custom));
        button->setProperty("usesCustomImage", !custom.isEmpty());
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
