#include "browser/ui/TabContainer.h"

#include "browser/ui/FadingTabbarTransitionAnimation.h"

#include <QEvent>
#include <QVBoxLayout>

namespace korvel {

TabContainer::TabContainer(QWidget* parent)
    : Screen(parent)
    , m_transition(new FadingTabbarTransitionAnimation(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabParentView = new QWidget(this);
    m_tabParentView->setObjectName(QStringLiteral("tabParentView"));
    m_container = new QWidget(this);
    m_container->setObjectName(QStringLiteral("viewControllerContainer"));
    layout->addWidget(m_tabParentView);
    layout->addWidget(m_container, 1);
    m_container->installEventFilter(this);
}

TabContainer::~TabContainer() = default;

void TabContainer::viewDidLoad()
{
    setTabbarVisibility(true, Animation::None);
    m_selectedIndex = -1;
    if (m_shouldLoadDefaultViewController && !m_children.isEmpty())
        setSelectedViewCotnrollerAtIndex(0);
}

void TabContainer::setViewControllers(const QList<Screen*>& viewControllers)
{
    // Children that are no longer listed go.
    for (const QPointer<Screen>& old : std::as_const(m_children)) {
        if (old && !viewControllers.contains(old.data()))
            takeOut(old);
    }
    m_children.clear();
    for (Screen* child : viewControllers) {
        m_children.append(child);
        if (child->parentWidget() != m_container) {
            child->setParent(m_container);
            child->hide();
        }
    }
    m_selectedIndex = -1;
}

QList<Screen*> TabContainer::viewControllers() const
{
    QList<Screen*> list;
    for (const QPointer<Screen>& child : m_children)
        list.append(child.data());
    return list;
}

void TabContainer::setSelectedViewCotnrollerAtIndex(int index)
{
    Screen* next = getViewControllerAtIndex(index);
    if (!next)
        return;
    const int old = m_selectedIndex;
    newSelectedTabbarIndex(index, old);
    m_selectedIndex = index;
    Screen* leaving = m_shown;
    if (leaving == next && next->isVisible())
        return;
    next->loadViewIfNeeded();
    if (m_onScreen) {
        if (leaving)
            leaving->viewWillDisappear(true);
        next->viewWillAppear(true);
    }
    m_shown = next;
    QPointer<Screen> from(leaving);
    QPointer<Screen> to(next);
    const bool onScreen = m_onScreen;
    m_transition->transition(m_container, leaving, next, [from, to, onScreen] {
        if (!onScreen)
            return;
        if (from)
            from->viewDidDisappear(true);
        if (to)
            to->viewDidAppear(true);
    });
}

Screen* TabContainer::getViewControllerAtIndex(int index) const
{
    if (index < 0 || index >= m_children.size())
        return nullptr;
    return m_children.at(index);
}

Screen* TabContainer::getSelectedViewController() const
{
    return getViewControllerAtIndex(m_selectedIndex);
}

void TabContainer::takeOut(Screen* child)
{
    if (child == m_shown) {
        if (m_onScreen)
            child->viewWillDisappear(false);
        child->hide();
        if (m_onScreen)
            child->viewDidDisappear(false);
        m_shown.clear();
    }
    child->hide();
    child->deleteLater();
}

void TabContainer::removeViewControllerFromContainer(Screen* child)
{
    const qsizetype index = m_children.indexOf(child);
    if (index < 0)
        return;
    m_children.removeAt(index);
    takeOut(child);
    m_selectedIndex = -1;
}

void TabContainer::removeViewControllerFromContainerAtIndex(int index)
{
    if (Screen* child = getViewControllerAtIndex(index))
        removeViewControllerFromContainer(child);
}

void TabContainer::removeAllViewControllerFromContainer()
{
    while (!m_children.isEmpty())
        removeViewControllerFromContainerAtIndex(int(m_children.size()) - 1);
}

void TabContainer::setTabbarVisibility(bool visible, Animation animation)
{
    // The bar appears and goes at once: a sliding bar would move the page under a finger.
    Q_UNUSED(animation);
    m_tabParentView->setFixedHeight(visible ? heightForTabbarController() : 0);
    m_tabParentView->setVisible(visible);
}

int TabContainer::heightForTabbarController() const
{
    return 56;
}

QRect TabContainer::getViewControllerContainerFrame() const
{
    return m_container->geometry();
}

bool TabContainer::isSwitching() const
{
    return m_transition->isRunning();
}

bool TabContainer::eventFilter(QObject* watched, QEvent* event)
{
    // Rotation and any other new size: the shown child fills the container.
    if (watched == m_container && event->type() == QEvent::Resize && m_shown)
        m_shown->setGeometry(QRect(QPoint(0, 0), m_container->size()));
    return Screen::eventFilter(watched, event);
}

void TabContainer::viewWillAppear(bool animated)
{
    m_onScreen = true;
    if (m_shown)
        m_shown->viewWillAppear(animated);
}

void TabContainer::viewDidAppear(bool animated)
{
    if (m_shown)
        m_shown->viewDidAppear(animated);
}

void TabContainer::viewWillDisappear(bool animated)
{
    if (m_shown)
        m_shown->viewWillDisappear(animated);
}

void TabContainer::viewDidDisappear(bool animated)
{
    m_onScreen = false;
    if (m_shown)
        m_shown->viewDidDisappear(animated);
}

}  // namespace korvel
