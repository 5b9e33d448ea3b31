#include "browser/ui/DownloadsBar.h"

#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace korvel {

DownloadsBar::DownloadsBar(std::function<void()> open, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("downloadsBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#downloadsBar { background: %1; border-top: 1px solid %2; }"
                                 "QToolButton { border: none; border-radius: 10px; color: %3; padding: 2px 12px; }"
                                 "QToolButton:pressed { background: %4; }")
                      .arg(Theme::current().cell.name(), Theme::current().separator.name(), Theme::current().tint.name(),
                           Theme::current().selection.name()));
    setFixedHeight(barHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* item = new QToolButton(this);
    item->setObjectName(QStringLiteral("downloadsItem"));
    //% "Downloads"
    item->setText(qtTrId("TEXT_DOWNLOADS"));
    item->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    item->setIcon(Images::icon(QStringLiteral("tab_download_icon")));
    item->setIconSize(QSize(24, 24));
    item->setFont(Theme::detailFont());
    item->setMinimumSize(Theme::touchTarget + 40, barHeight - 4);
    item->setFocusPolicy(Qt::NoFocus);
    item->setAutoRaise(true);
    layout->addStretch();
    layout->addWidget(item);
    layout->addStretch();
    connect(item, &QToolButton::clicked, this, [open = std::move(open)] { open(); });
    hide();
}

}  // namespace korvel
