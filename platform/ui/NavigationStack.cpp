#include "platform/ui/NavigationStack.h"

#include "platform/ui/Images.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QResizeEvent>

namespace korvel {

namespace {

bool animationsOn = true;

// The platform's push lasts about a third of a second; the leaving screen drifts a third of the
// width, so the eye follows the arriving one.
constexpr int transitionMs = 300;
// The bar holds a title: it grows with larger text.
int barHeight()
{
    return ThemeLegibility::scaled(Theme::navigationBarHeight);
}

// The bar's surface with its hairline at the bottom, in the theme's colours.
class NavigationBar final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const Theme& theme = Theme::current();
        QPainter painter(this);
        painter.fillRect(rect(), theme.cell);
        painter.fillRect(QRect(0, height() - 1, width(), 1), theme.separator);
    }
};

}  // namespace

NavigationStack::NavigationStack(QWidget* parent)
    : QWidget(parent)
    , m_content(new QWidget(this))
    , m_bar(new NavigationBar(this))
    , m_barTitle(new QLabel(m_bar))
    , m_barLeft(new QPushButton(m_bar))
    , m_barRight(new QPushButton(m_bar))
{
    m_bar->setObjectName(QStringLiteral("navigationBar"));
    m_bar->hide();
    m_barTitle->setObjectName(QStringLiteral("navigationTitle"));
    m_barTitle->setAlignment(Qt::AlignCenter);
    m_barTitle->setTextFormat(Qt::PlainText);
    for (QPushButton* button : {m_barLeft, m_barRight}) {
        button->setFlat(true);
        button->setIconSize(QSize(22, 22));
        // Bar buttons are touched, never reached with the keyboard.
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    // Equal side columns keep the title centred whatever the buttons hold.
    auto* layout = new QGridLayout(m_bar);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_barLeft, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(m_barTitle, 0, 1);
    layout->addWidget(m_barRight, 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    connect(m_barLeft, &QPushButton::clicked, this, &NavigationStack::leftBarButtonPressed);
    connect(m_barRight, &QPushButton::clicked, this, &NavigationStack::rightBarButtonPressed);
    layoutChildren();
}

NavigationStack::~NavigationStack()
{
    if (m_transition.group)
        m_transition.group->stop();
    m_transition = {};
    // Delete the screens here, while this is still a NavigationStack: their destroyed signals
    // would otherwise reach forgetScreen() from QWidget's destructor.
    const QList<Screen*> all = m_screens + m_presented;
    for (Screen* screen : all)
        disconnect(screen, nullptr, this, nullptr);
    m_screens.clear();
    m_presented.clear();
    qDeleteAll(all);
}

void NavigationStack::push(Screen* screen, Animation animation)
{
    if (!screen || screen->m_stack || screen->m_presenter)
        return;
    finishTransition();
    Screen* before = visibleScreen();
    screen->setParent(m_content);
    screen->hide();
    screen->m_stack = this;
    adopt(screen);
    m_screens.append(screen);
    changeVisible(before, Kind::Push, animation);
}

bool NavigationStack::pop(Animation animation)
{
    if (m_screens.size() <= 1)
        return false;
    finishTransition();
    Screen* before = visibleScreen();
    leave(m_screens.takeLast());
    changeVisible(before, Kind::Pop, animation);
    return true;
}

bool NavigationStack::popToRoot(Animation animation)
{
    if (m_screens.size() <= 1)
        return false;
    finishTransition();
    Screen* before = visibleScreen();
    while (m_screens.size() > 1)
        leave(m_screens.takeLast());
    changeVisible(before, Kind::Pop, animation);
    return true;
}

void NavigationStack::startOver(Screen* root)
{
    if (!root || root->m_stack || root->m_presenter)
        return;
    finishTransition();
    Screen* before = visibleScreen();
    while (!m_presented.isEmpty())
        leave(m_presented.takeLast());
    while (!m_screens.isEmpty())
        leave(m_screens.takeLast());
    root->setParent(m_content);
    root->hide();
    root->m_stack = this;
    adopt(root);
    m_screens.append(root);
    changeVisible(before, Kind::Push, Animation::None);
}

void NavigationStack::present(Screen* screen, Animation animation)
{
    if (!screen || screen->m_stack || screen->m_presenter)
        return;
    finishTransition();
    Screen* before = visibleScreen();
    screen->setParent(this);
    screen->hide();
    screen->m_presenter = this;
    adopt(screen);
    m_presented.append(screen);
    changeVisible(before, Kind::Present, animation);
}

bool NavigationStack::dismiss(Animation animation)
{
    if (m_presented.isEmpty())
        return false;
    finishTransition();
    Screen* before = visibleScreen();
    leave(m_presented.takeLast());
    changeVisible(before, Kind::Dismiss, animation);
    return true;
}

Screen* NavigationStack::topScreen() const
{
    return m_screens.isEmpty() ? nullptr : m_screens.last();
}

Screen* NavigationStack::visibleScreen() const
{
    return m_presented.isEmpty() ? topScreen() : m_presented.last();
}

Screen* NavigationStack::presentedScreen() const
{
    return m_presented.isEmpty() ? nullptr : m_presented.last();
}

void NavigationStack::showNavigationBar()
{
    m_barShown = true;
    layoutChildren();
}

void NavigationStack::hideNavigationBar()
{
    m_barShown = false;
    layoutChildren();
}

void NavigationStack::setAnimationsEnabled(bool enabled)
{
    animationsOn = enabled;
}

bool NavigationStack::animationsEnabled()
{
    return animationsOn;
}

void NavigationStack::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous() || m_onScreen)
        return;
    m_onScreen = true;
    layoutChildren();
    if (Screen* visible = visibleScreen()) {
        visible->loadViewIfNeeded();
        visible->viewWillAppear(false);
        visible->viewDidAppear(false);
    }
}

void NavigationStack::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (event->spontaneous() || !m_onScreen)
        return;
    finishTransition();
    m_onScreen = false;
    if (Screen* visible = visibleScreen()) {
        visible->viewWillDisappear(false);
        visible->viewDidDisappear(false);
    }
}

void NavigationStack::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The running slide aims at the old size; land it and lay out for the new one.
    finishTransition();
    layoutChildren();
}

void NavigationStack::adopt(Screen* screen)
{
    connect(screen, &Screen::titleChanged, this, &NavigationStack::updateNavigationBar);
    connect(screen, &Screen::barButtonsChanged, this, &NavigationStack::updateNavigationBar);
    connect(screen, &QObject::destroyed, this, &NavigationStack::forgetScreen);
}

void NavigationStack::leave(Screen* screen)
{
    disconnect(screen, nullptr, this, nullptr);
    screen->m_stack = nullptr;
    screen->m_presenter = nullptr;
    m_leaving.append(screen);
}

// Called after the lists changed: moves from the screen that was visible to the one that is now.
void NavigationStack::changeVisible(Screen* before, Kind kind, Animation animation)
{
    updateNavigationBar();
    Screen* after = visibleScreen();
    if (before == after) {
        // The change happened out of sight (under a presented screen, or before anything showed).
        layoutChildren();
        deleteLeaving();
        return;
    }
    const bool animated = animation == Animation::Animated && animationsOn && m_onScreen && before && after;
    m_transition = Transition{true, before, after, animated, nullptr};
    if (after) {
        after->loadViewIfNeeded();
        placeScreen(after);
    }
    if (m_onScreen) {
        if (before)
            before->viewWillDisappear(animated);
        if (after)
            after->viewWillAppear(animated);
    }
    // A will-callback may have started another change, which finished this one already.
    if (!m_transition.active || m_transition.to != after || m_transition.from != before)
        return;
    if (animated)
        animate(kind);
    else
        completeTransition();
}

void NavigationStack::animate(Kind kind)
{
    Screen* from = m_transition.from;
    Screen* to = m_transition.to;
    auto* group = new QParallelAnimationGroup(this);
    auto slide = [group](Screen* screen, QPoint start, QPoint end) {
        screen->move(start);
        auto* move = new QPropertyAnimation(screen, "pos", group);
        move->setStartValue(start);
        move->setEndValue(end);
        move->setDuration(transitionMs);
        move->setEasingCurve(QEasingCurve::OutCubic);
        group->addAnimation(move);
    };
    const int w = m_content->width();
    const int h = height();
    switch (kind) {
    case Kind::Push:
        to->raise();
        slide(to, {w, 0}, {0, 0});
        slide(from, {0, 0}, {-w / 3, 0});
        break;
    case Kind::Pop:
        from->raise();
        slide(to, {-w / 3, 0}, {0, 0});
        slide(from, {0, 0}, {w, 0});
        break;
    case Kind::Present:
        // The platform's default modal presentation covers from below.
        slide(to, {0, h}, {0, 0});
        break;
    case Kind::Dismiss:
        slide(from, {0, 0}, {0, h});
        break;
    }
    m_transition.group = group;
    connect(group, &QAbstractAnimation::finished, this, &NavigationStack::completeTransition);
    group->start();
}

void NavigationStack::finishTransition()
{
    if (m_transition.active)
        completeTransition();
}

void NavigationStack::completeTransition()
{
    if (!m_transition.active)
        return;
    const Transition done = m_transition;
    m_transition = {};
    if (done.group) {
        done.group->stop();
        done.group->deleteLater();
    }
    layoutChildren();
    if (m_onScreen) {
        if (done.from)
            done.from->viewDidDisappear(done.animated);
        if (done.to)
            done.to->viewDidAppear(done.animated);
    }
    deleteLeaving();
    Q_EMIT transitionCompleted();
}

void NavigationStack::deleteLeaving()
{
    const QList<QPointer<Screen>> leaving = std::exchange(m_leaving, {});
    for (const QPointer<Screen>& screen : leaving) {
        if (screen) {
            keepFocusFrom(screen);
            screen->hide();
            screen->deleteLater();
        }
    }
}

// A screen deleted by someone else while on the stack: drop it and show what is now visible.
void NavigationStack::forgetScreen(QObject* screen)
{
    const bool wasVisible = static_cast<QObject*>(visibleScreen()) == screen;
    auto same = [screen](Screen* s) { return static_cast<QObject*>(s) == screen; };
    m_screens.removeIf(same);
    m_presented.removeIf(same);
    finishTransition();
    updateNavigationBar();
    layoutChildren();
    Screen* now = visibleScreen();
    if (!wasVisible || !now)
        return;
    now->loadViewIfNeeded();
    if (m_onScreen) {
        now->viewWillAppear(false);
        now->viewDidAppear(false);
    }
}

void NavigationStack::layoutChildren()
{
    const int bar = m_barShown ? barHeight() : 0;
    m_bar->setGeometry(0, 0, width(), bar);
    m_bar->setVisible(m_barShown);
    m_content->setGeometry(0, bar, width(), height() - bar);
    // A screen may show or hide the bar from viewWillAppear, in the middle of a slide: sizes
    // follow at once, positions are left to the animation.
    const bool moving = m_transition.active && m_transition.animated;
    for (Screen* screen : m_screens) {
        screen->resize(m_content->size());
        if (!moving)
            screen->move(0, 0);
    }
    for (Screen* screen : m_presented) {
        screen->resize(size());
        if (!moving)
            screen->move(0, 0);
    }
    if (m_transition.active)
        return;
    Screen* visible = visibleScreen();
    if (visible)
        visible->show();
    for (const QList<Screen*>* screens : {&m_screens, &m_presented}) {
        for (Screen* screen : *screens) {
            if (screen != visible) {
                keepFocusFrom(screen);
                screen->hide();
            }
        }
    }
}

// A widget hidden while it holds the focus hands it on as if Tab had been pressed, and a web page
// takes that for the keyboard moving into it: its first link gets the focus and a ring. The
// visible screen takes the focus first, plainly.
void NavigationStack::keepFocusFrom(Screen* leaving)
{
    Screen* visible = visibleScreen();
    QWidget* focus = QApplication::focusWidget();
    if (visible && visible != leaving && visible->isVisible() && focus && (focus == leaving || leaving->isAncestorOf(focus)))
        visible->setFocus(Qt::OtherFocusReason);
}

void NavigationStack::placeScreen(Screen* screen)
{
    if (m_presented.contains(screen)) {
        screen->setGeometry(rect());
        screen->raise();
        keepOverlaysOnTop();
    } else {
        screen->setGeometry(m_content->rect());
        screen->raise();
    }
    screen->show();
}

// Alerts, toasts and waiting overlays laid over a window whose root is this stack are children
// of it too; a screen presented later must not cover them.
void NavigationStack::keepOverlaysOnTop()
{
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == m_content || widget == m_bar || qobject_cast<Screen*>(widget))
            continue;
        widget->raise();
    }
}

void NavigationStack::updateNavigationBar()
{
    Screen* top = topScreen();
    // In the fonts of the moment: the text size may have changed since the bar was made.
    m_barTitle->setFont(Theme::titleFont());
    for (QPushButton* button : {m_barLeft, m_barRight})
        button->setFont(Theme::bodyFont());
    m_barTitle->setText(top ? top->title() : QString());
    auto fill = [top](QPushButton* button, const BarButton& item) {
        button->setText(item.text);
        button->setIcon(item.icon);
        // An image alone says nothing to a screen reader: the screen names its image button.
        button->setAccessibleName(item.text.isEmpty() && top ? top->property("barImageButtonName").toString() : QString());
        button->show();
    };
    if (top && top->leftBarButton()) {
        fill(m_barLeft, *top->leftBarButton());
    } else if (m_screens.size() > 1) {
        // The platform's back button: a chevron and the title of the screen it returns to.
        const QString previous = m_screens.at(m_screens.size() - 2)->title();
        //% "Back"
        fill(m_barLeft, BarButton{previous.isEmpty() ? qtTrId("TEXT_BACK") : previous, {},
                                  Images::icon(QStringLiteral("navigation_back_category"))});
    } else {
        m_barLeft->hide();
    }
    if (top && top->rightBarButton())
        fill(m_barRight, *top->rightBarButton());
    else
        m_barRight->hide();
}

void NavigationStack::leftBarButtonPressed()
{
    Screen* top = topScreen();
    if (top && top->leftBarButton()) {
        // A copy: the action may replace the screen's buttons while it runs.
        const auto action = top->leftBarButton()->action;
        if (action)
            action();
        return;
    }
    pop(Animation::Animated);
}

void NavigationStack::rightBarButtonPressed()
{
    Screen* top = topScreen();
    if (!top || !top->rightBarButton())
        return;
    const auto action = top->rightBarButton()->action;
    if (action)
        action();
}

}  // namespace korvel
