#include "platform/ui/NavigationStack.h"
#include "platform/ui/Screen.h"
#include "tests/support/EventLoop.h"
#include "tests/support/WindowTest.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPointer>
#include <QPushButton>

#include <functional>

using korvel::Animation;
using korvel::BarButton;
using korvel::NavigationStack;
using korvel::Screen;

namespace {

// Writes every lifecycle call to a shared log, as "A.willAppear" or "A.didAppear(animated)".
class RecordingScreen final : public Screen {
public:
    RecordingScreen(const QString& name, QStringList& log)
        : m_name(name)
        , m_log(log)
    {
        setTitle(name);
    }

    void viewDidLoad() override { record(QStringLiteral("load"), false); }
    void viewWillAppear(bool animated) override { record(QStringLiteral("willAppear"), animated); }
    void viewDidAppear(bool animated) override { record(QStringLiteral("didAppear"), animated); }
    void viewWillDisappear(bool animated) override { record(QStringLiteral("willDisappear"), animated); }
    void viewDidDisappear(bool animated) override { record(QStringLiteral("didDisappear"), animated); }

private:
    void record(const QString& call, bool animated)
    {
        m_log << m_name + QLatin1Char('.') + call + (animated ? QStringLiteral("(animated)") : QString());
    }

    QString m_name;
    QStringList& m_log;
};

class NavigationStackTest : public korvel::test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        makeStack();
    }

    Screen* make(const QString& name) { return new RecordingScreen(name, log); }

    QStringList log;
};

using Step = std::function<void(NavigationStack&, const std::function<Screen*(const QString&)>&)>;

struct LifecycleCase {
    const char* what;
    Step arrange;
    Step act;
    QStringList expected;
};

void push(NavigationStack& s, Screen* screen) { s.push(screen, Animation::Animated); }

}  // namespace

TEST_F(NavigationStackTest, LifecycleCallsComeInThePlatformsOrder)
{
    const auto leaving = [](const QString& from, const QString& to) {
        return QStringList{from + QStringLiteral(".willDisappear"), to + QStringLiteral(".willAppear"),
                           from + QStringLiteral(".didDisappear"), to + QStringLiteral(".didAppear")};
    };
    const LifecycleCase cases[] = {
        {"push", [](auto& s, auto make) { push(s, make("A")); }, [](auto& s, auto make) { push(s, make("B")); },
         QStringList{"B.load"} + leaving("A", "B")},
        {"pop", [](auto& s, auto make) { push(s, make("A")); push(s, make("B")); },
         [](auto& s, auto) { EXPECT_TRUE(s.pop(Animation::Animated)); }, leaving("B", "A")},
        {"pop to root skips the screens in between",
         [](auto& s, auto make) { push(s, make("A")); push(s, make("B")); push(s, make("C")); },
         [](auto& s, auto) { EXPECT_TRUE(s.popToRoot(Animation::None)); }, leaving("C", "A")},
        {"pop of the root alone does nothing", [](auto& s, auto make) { push(s, make("A")); },
         [](auto& s, auto) { EXPECT_FALSE(s.pop(Animation::None)); EXPECT_FALSE(s.popToRoot(Animation::None)); }, {}},
        {"present", [](auto& s, auto make) { push(s, make("A")); },
         [](auto& s, auto make) { s.present(make("M"), Animation::Animated); }, QStringList{"M.load"} + leaving("A", "M")},
        {"dismiss", [](auto& s, auto make) { push(s, make("A")); s.present(make("M"), Animation::None); },
         [](auto& s, auto) { EXPECT_TRUE(s.dismiss(Animation::Animated)); }, leaving("M", "A")},
        {"a push under a presented screen happens out of sight",
         [](auto& s, auto make) { push(s, make("A")); s.present(make("M"), Animation::None); },
         [](auto& s, auto make) { push(s, make("B")); }, {}},
        {"dismiss reveals what was pushed meanwhile",
         [](auto& s, auto make) { push(s, make("A")); s.present(make("M"), Animation::None); push(s, make("B")); },
         [](auto& s, auto) { s.dismiss(Animation::None); }, QStringList{"B.load"} + leaving("M", "B")},
        {"present over a presented screen",
         [](auto& s, auto make) { push(s, make("A")); s.present(make("M"), Animation::None); },
         [](auto& s, auto make) { s.present(make("N"), Animation::None); }, QStringList{"N.load"} + leaving("M", "N")},
    };
    for (const LifecycleCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto* fresh = new NavigationStack(window.get());
        fresh->show();
        const auto make = [this](const QString& name) { return this->make(name); };
        c.arrange(*fresh, make);
        log.clear();
        c.act(*fresh, make);
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(fresh->isTransitioning());
        delete fresh;
        log.clear();
    }
}

TEST_F(NavigationStackTest, ViewDidLoadRunsOnceBeforeTheFirstAppearance)
{
    stack->push(make("A"), Animation::None);
    for (int i = 0; i < 2; ++i) {
        stack->push(make("B"), Animation::None);
        stack->pop(Animation::None);
    }
    EXPECT_EQ(log.count(QStringLiteral("A.load")), 1);
    EXPECT_EQ(log.count(QStringLiteral("A.willAppear")), 3);
    EXPECT_EQ(log.first(), QStringLiteral("A.load"));
}

TEST_F(NavigationStackTest, AppearanceFollowsTheStackBeingShown)
{
    auto* hidden = new NavigationStack(window.get());
    hidden->push(make("A"), Animation::Animated);
    EXPECT_EQ(log, QStringList{"A.load"});
    hidden->show();
    hidden->hide();
    EXPECT_EQ(log, (QStringList{"A.load", "A.willAppear", "A.didAppear", "A.willDisappear", "A.didDisappear"}));
}

TEST_F(NavigationStackTest, OnlyTheVisibleScreenIsShownAndPoppedScreensAreDeleted)
{
    Screen* root = make("A");
    QPointer<Screen> b = make("B");
    QPointer<Screen> c = make("C");
    stack->push(root, Animation::None);
    stack->push(b, Animation::None);
    stack->push(c, Animation::None);
    EXPECT_EQ(stack->screens(), (QList<Screen*>{root, b, c}));
    EXPECT_EQ(c->navigationStack(), stack);
    EXPECT_TRUE(c->isVisible());
    EXPECT_FALSE(b->isVisible());

    QPointer<Screen> modal = make("M");
    stack->present(modal, Animation::None);
    EXPECT_EQ(stack->visibleScreen(), modal);
    EXPECT_EQ(stack->topScreen(), c);
    EXPECT_EQ(modal->presentingStack(), stack);
    EXPECT_EQ(modal->navigationStack(), nullptr);
    EXPECT_EQ(modal->geometry(), stack->rect());
    EXPECT_FALSE(c->isVisible());

    stack->dismiss(Animation::None);
    stack->popToRoot(Animation::None);
    EXPECT_EQ(stack->screens(), QList<Screen*>{root});
    EXPECT_EQ(b->navigationStack(), nullptr);
    EXPECT_TRUE(root->isVisible());
    ASSERT_TRUE(b && c && modal);  // deleted later, not under the caller's feet
    flushDeletes();
    EXPECT_FALSE(b || c || modal);
}

TEST_F(NavigationStackTest, ForgetsAScreenDeletedByOthers)
{
    stack->push(make("A"), Animation::None);
    Screen* b = make("B");
    stack->push(b, Animation::None);
    log.clear();
    delete b;
    EXPECT_EQ(stack->screens().size(), 1);
    EXPECT_TRUE(stack->topScreen()->isVisible());
    EXPECT_EQ(log, (QStringList{"A.willAppear", "A.didAppear"}));
}

TEST_F(NavigationStackTest, NavigationBarShowsTheTopScreensTitleAndButtons)
{
    stack->showNavigationBar();
    Screen* menu = make("Settings");
    stack->push(menu, Animation::None);
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Settings"));
    EXPECT_FALSE(stack->leftBarButton()->isVisible());
    EXPECT_GT(menu->mapTo(stack, QPoint()).y(), 0);  // below the bar

    menu->setTitle(QStringLiteral("Menu"));
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Menu"));

    // Without a left item a pushed screen offers "back", named after the screen under it.
    QPointer<Screen> editor = make("Editor");
    stack->push(editor, Animation::None);
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Editor"));
    ASSERT_TRUE(stack->leftBarButton()->isVisible());
    EXPECT_EQ(stack->leftBarButton()->text(), QStringLiteral("Menu"));
    stack->leftBarButton()->click();
    EXPECT_EQ(stack->topScreen(), menu);

    int done = 0;
    int search = 0;
    menu->setLeftBarButton(BarButton{QStringLiteral("Done"), [&] { ++done; }, {}});
    menu->setRightBarButton(BarButton{QStringLiteral("Search"), [&] { ++search; }, {}});
    stack->leftBarButton()->click();
    stack->rightBarButton()->click();
    EXPECT_EQ(stack->leftBarButton()->text(), QStringLiteral("Done"));
    EXPECT_EQ(done, 1);
    EXPECT_EQ(search, 1);
    EXPECT_EQ(stack->topScreen(), menu);

    stack->hideNavigationBar();
    EXPECT_EQ(QRect(menu->mapTo(stack, QPoint()), menu->size()), stack->rect());
}

TEST_F(NavigationStackTest, AnimatedTransitionsFinishTheirLifecycleAtTheEnd)
{
    NavigationStack::setAnimationsEnabled(true);
    stack->push(make("A"), Animation::None);
    stack->push(make("B"), Animation::Animated);
    EXPECT_TRUE(stack->isTransitioning());
    EXPECT_EQ(log.mid(3), (QStringList{"B.load", "A.willDisappear(animated)", "B.willAppear(animated)"}));

    // A second change lands the running one first.
    stack->push(make("C"), Animation::Animated);
    EXPECT_EQ(log.mid(6, 3), (QStringList{"A.didDisappear(animated)", "B.didAppear(animated)", "C.load"}));
    ASSERT_TRUE(korvel::test::processEventsUntil([&] { return !stack->isTransitioning(); }));
    EXPECT_EQ(log.last(), QStringLiteral("C.didAppear(animated)"));
    EXPECT_EQ(stack->topScreen()->pos(), QPoint(0, 0));
}

// A screen that leaves with the focus does not hand it on as Tab would; the screen now shown takes it.
TEST_F(NavigationStackTest, TheFocusLeavesWithAScreenWithoutATab)
{
    struct Field final : QLineEdit {
        using QLineEdit::QLineEdit;
        void focusInEvent(QFocusEvent* event) override
        {
            reasons << event->reason();
            QLineEdit::focusInEvent(event);
        }
        QList<Qt::FocusReason> reasons;
    };
    Screen* root = make("A");
    auto* rootField = new Field(root);
    stack->push(root, Animation::None);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const bool push : {true, false}) {
        Screen* next = make("B");
        auto* nextField = new Field(next);
        rootField->setFocus();
        stack->push(next, Animation::None);
        if (!push) {
            nextField->setFocus();
            rootField->reasons.clear();
            stack->pop(Animation::None);
            flushDeletes();
        }
        EXPECT_FALSE((push ? nextField : rootField)->reasons.contains(Qt::TabFocusReason)) << (push ? "push" : "pop");
        EXPECT_TRUE((push ? next : root)->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == (push ? next : root))
            << (push ? "push" : "pop");
        if (push)
            stack->pop(Animation::None);
    }
}
