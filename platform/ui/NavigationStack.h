#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QLabel;
class QParallelAnimationGroup;
class QPushButton;

namespace korvel {

class Screen;

enum class Animation { None, Animated };

// A stack of screens with an optional navigation bar, and a modal layer over it. Only the visible
// screen is shown; the others wait hidden. Screens get their lifecycle calls in the platform's
// order: the leaving screen's viewWillDisappear, the arriving screen's viewWillAppear, then (at
// the end of the transition) viewDidDisappear and viewDidAppear. Appearance calls happen only
// while the stack itself is shown; showing and hiding the stack gives the visible screen its own.
class NavigationStack final : public QWidget {
    Q_OBJECT
public:
    // Both spellings read well at call sites: Animation::None and NavigationStack::Animation::None.
    using Animation = korvel::Animation;

    explicit NavigationStack(QWidget* parent = nullptr);
    ~NavigationStack() override;

    // Takes ownership of `screen` and makes it the top. Ignores a screen already on a stack or
    // presented.
    void push(Screen* screen, Animation animation);
    // Removes the top screen and deletes it once it has gone (deleteLater). Returns false, doing
    // nothing, when the root is the only screen or the stack is empty.
    bool pop(Animation animation);
    // Pops every screen above the root. Returns false when there is nothing above the root.
    bool popToRoot(Animation animation);
    // Replaces every screen, presented ones included, by `root` without animation (the screens
    // made anew, as after a change of language). Ignores a screen already on a stack or presented.
    void startOver(Screen* root);

    // Shows `screen` over the whole stack (navigation bar included) and takes ownership of it. A
    // screen presented while another is presented goes over that one.
    void present(Screen* screen, Animation animation);
    // Removes the topmost presented screen and deletes it later. Returns false when none is.
    bool dismiss(Animation animation);

    // The top of the pushed screens; nullptr when the stack is empty.
    Screen* topScreen() const;
    // The topmost presented screen, else the top screen; nullptr when there is neither.
    Screen* visibleScreen() const;
    // The topmost presented screen; nullptr when none is.
    Screen* presentedScreen() const;
    // The pushed screens, root first.
    QList<Screen*> screens() const { return m_screens; }

    void showNavigationBar();
    void hideNavigationBar();
    bool isNavigationBarShown() const { return m_barShown; }
    // The bar's widgets, so that tests and screens can read and press them.
    QLabel* navigationBarTitle() const { return m_barTitle; }
    QPushButton* leftBarButton() const { return m_barLeft; }
    QPushButton* rightBarButton() const { return m_barRight; }

    // Off: every transition is immediate, whatever its Animation says (tests turn it off).
    static void setAnimationsEnabled(bool enabled);
    static bool animationsEnabled();

    bool isTransitioning() const { return m_transition.active; }

Q_SIGNALS:
    // Another screen became visible and the move to it is over.
    void transitionCompleted();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Kind { Push, Pop, Present, Dismiss };

    struct Transition {
        bool active = false;
        QPointer<Screen> from;
        QPointer<Screen> to;
        bool animated = false;
        QPointer<QParallelAnimationGroup> group;
    };

    void adopt(Screen* screen);
    void leave(Screen* screen);
    void changeVisible(Screen* before, Kind kind, Animation animation);
    void animate(Kind kind);
    void finishTransition();
    void completeTransition();
    void deleteLeaving();
    void keepFocusFrom(Screen* leaving);
    void forgetScreen(QObject* screen);
    void layoutChildren();
    void placeScreen(Screen* screen);
    void keepOverlaysOnTop();
    void updateNavigationBar();
    void leftBarButtonPressed();
    void rightBarButtonPressed();

    QList<Screen*> m_screens;
    QList<Screen*> m_presented;
    QList<QPointer<Screen>> m_leaving;
    Transition m_transition;
    QWidget* m_content = nullptr;
    QWidget* m_bar = nullptr;
    QLabel* m_barTitle = nullptr;
    QPushButton* m_barLeft = nullptr;
    QPushButton* m_barRight = nullptr;
    bool m_barShown = false;
    bool m_onScreen = false;
};

}  // namespace korvel
