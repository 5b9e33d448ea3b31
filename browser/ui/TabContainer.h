#pragma once

#include "platform/ui/NavigationStack.h"
#include "platform/ui/Screen.h"

#include <QList>
#include <QPointer>

namespace korvel {

class FadingTabbarTransitionAnimation;

// A screen that holds child screens and shows one of them at a time below a bar of its own (the
// tab strip), switching with a cross-fade. Subclasses fill the bar and hear of every selection.
class TabContainer : public Screen {
    Q_OBJECT
public:
    explicit TabContainer(QWidget* parent = nullptr);
    ~TabContainer() override;

    // Takes the children (and ownership of them); nothing is shown until one is selected.
    void setViewControllers(const QList<Screen*>& viewControllers);
    QList<Screen*> viewControllers() const;
    // Shows the child at `index`; an index outside the list is ignored.
    void setSelectedViewCotnrollerAtIndex(int index);
    // nullptr for an index outside the list.
    Screen* getViewControllerAtIndex(int index) const;
    Screen* getSelectedViewController() const;
    // -1 when none is shown.
    int getSelectedIndex() const { return m_selectedIndex; }
    // Takes a child out of the container (it is deleted later); the selection becomes -1.
    void removeViewControllerFromContainer(Screen* child);
    void removeViewControllerFromContainerAtIndex(int index);
    void removeAllViewControllerFromContainer();
    void setTabbarVisibility(bool visible, Animation animation);
    // Whether the first child is shown as soon as the view loads.
    void setShouldSelectDefaultViewController(bool select) { m_shouldLoadDefaultViewController = select; }
    QRect getViewControllerContainerFrame() const;
    bool isSwitching() const;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

protected:
    // The selection moves from `oldIndex` (-1: none) to `newIndex`, before the child is shown.
    virtual void newSelectedTabbarIndex(int newIndex, int oldIndex) {}
    // Height of the bar above the children.
    virtual int heightForTabbarController() const;
    // The area above the children, where the subclass puts its bar.
    QWidget* tabParentView() const { return m_tabParentView; }
    QWidget* viewControllerContainer() const { return m_container; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeOut(Screen* child);

    QWidget* m_tabParentView = nullptr;
    QWidget* m_container = nullptr;
    QList<QPointer<Screen>> m_children;
    QPointer<Screen> m_shown;
    int m_selectedIndex = -1;
    bool m_shouldLoadDefaultViewController = false;
    bool m_onScreen = false;
    FadingTabbarTransitionAnimation* m_transition = nullptr;
};

}  // namespace korvel
