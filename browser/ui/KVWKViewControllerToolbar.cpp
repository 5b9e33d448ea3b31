#include "browser/ui/KVWKViewController.h"

#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/PopupWindows.h"
#include "platform/ui/Images.h"
#include "platform/ui/Theme.h"
#include "settings/KVSettings.h"

#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineView>

// The window's controls around the page: the toolbar, the floating menu button and where the
// overlays sit.

namespace korvel {

void KVWKViewController::buildToolbar()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    if (!m_toolbar) {
        m_toolbar = new BrowserToolbar(this);
        layout()->addWidget(m_toolbar);
        connect(m_toolbar, &BrowserToolbar::triggered, this, &KVWKViewController::onActionChosen);
        auto* menu = new QPushButton(this);
        menu->setObjectName(QStringLiteral("pageMenuButton"));
        menu->setIcon(Images::icon(QStringLiteral("tab_more_icon")));
        menu->setIconSize(QSize(28, 28));
        menu->setFixedSize(Theme::touchTarget + 6, Theme::touchTarget + 6);
        menu->setStyleSheet(QStringLiteral("QPushButton#pageMenuButton { border-radius: 28px; background: rgba(255, 255, 255, 230);"
                                           " border: 1px solid rgba(0, 0, 0, 40); }"));
        connect(menu, &QPushButton::clicked, this, &KVWKViewController::menuButtonPressed);
        m_menuButton = menu;
    }
    m_items = ToolbarLayout::listOutAvailableTabs(p);
    const ToolbarLayout filled = ToolbarLayout::fill(m_items);
    m_arrForShowingTabName = filled.arrForShowingTabName;
    m_toolbar->setItems(filled.shown);
    m_toolbar->setBackgroundImage(p.toolbarImage);
    m_toolbar->setVisible(p.enableToolBar);
    // The floating menu button is inert unless the menu is the chosen way to the page actions.
    m_menuButton->setVisible(p.enableMenu);
    placeOverlays();
}

void KVWKViewController::placeOverlays()
{
    // The menu button floats at the top right; the spinner sits at the centre, whatever the size.
    if (m_menuButton) {
        m_menuButton->move(width() - m_menuButton->width() - 12, 12);
        m_menuButton->raise();
    }
    if (m_spinner) {
        m_spinner->move((width() - m_spinner->width()) / 2, (height() - m_spinner->height()) / 2);
        m_spinner->raise();
    }
    // A shown pop-up stays above everything of the window, the floating buttons included.
    if (QWebEngineView* popup = m_popups->view())
        popup->parentWidget()->raise();
}

void KVWKViewController::performItem(int tag, BackSource source)
{
    switch (tag) {
    case ToolbarItem::Back:
        goBack(source);
        break;
    case ToolbarItem::Home:
        homeButtonPressed();
        break;
    case ToolbarItem::Refresh:
        refreshButtonPressed();
        break;
    case ToolbarItem::Stop:
        m_view->stop();
        break;
    case ToolbarItem::Print:
        printButtonPressed();
        break;
    case ToolbarItem::Forward:
        forwardButtonPressed();
        break;
    case ToolbarItem::Downloads:
        goToDownloadHistoryView();
        break;
    case ToolbarItem::More:
        openAllTabbarOptions();
        break;
    }
}

}  // namespace korvel
