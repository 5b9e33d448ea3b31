#include "platform/ui/Toast.h"
#include "tests/support/WindowTest.h"

#include <QPointer>

#include <chrono>

using namespace std::chrono_literals;
using korvel::makeToast;
using korvel::Toast;
using korvel::ToastOptions;
using korvel::ToastPosition;

namespace {

class ToastTest : public korvel::test::WindowTest {};

// Where a toast's middle sits on the height of the area it was shown over, 0 at the top, 1 at the bottom.
double heightOf(const Toast* toast, const QRect& area)
{
    return double(toast->geometry().center().y() - area.top()) / area.height();
}

}  // namespace

TEST_F(ToastTest, ShowsWhereAndAsLongAsAskedAtTheTopForTwoSecondsByDefault)
{
    struct Case {
        std::optional<ToastOptions> options;
        std::chrono::milliseconds duration;
        double from;
        double to;
    };
    for (const Case& c : {Case{std::nullopt, 2s, 0.0, 0.25}, Case{ToastOptions{1s, ToastPosition::Center, {}, {}}, 1s, 0.45, 0.55},
                          Case{ToastOptions{3500ms, ToastPosition::Bottom, {}, {}}, 3500ms, 0.75, 1.0}}) {
        SCOPED_TRACE(c.duration.count());
        QPointer<Toast> toast = c.options ? makeToast(window.get(), QStringLiteral("Wrong Password!"), *c.options)
                                          : makeToast(window.get(), QStringLiteral("Wrong Password!"));
        ASSERT_TRUE(toast);
        EXPECT_EQ(toast->text(), QStringLiteral("Wrong Password!"));
        EXPECT_TRUE(toast->isVisible());
        EXPECT_GE(heightOf(toast, window->rect()), c.from);
        EXPECT_LE(heightOf(toast, window->rect()), c.to);
        clock.advance(c.duration - 1ms);
        EXPECT_EQ(Toast::visibleToasts(window.get()), QList<Toast*>{toast});
        clock.advance(1ms);
        EXPECT_TRUE(Toast::visibleToasts(window.get()).isEmpty());
        flushDeletes();
        EXPECT_FALSE(toast);
    }
}

TEST_F(ToastTest, SeveralToastsStackUpWithoutCoveringEachOther)
{
    Toast* first = makeToast(window.get(), QStringLiteral("one"), {1s, ToastPosition::Top, {}, {}});
    Toast* second = makeToast(window.get(), QStringLiteral("two"));
    Toast* third = makeToast(window.get(), QStringLiteral("three"), {3s, ToastPosition::Top, {}, {}});
    Toast* low = makeToast(window.get(), QStringLiteral("low"), {3s, ToastPosition::Bottom, {}, {}});
    EXPECT_EQ(Toast::visibleToasts(window.get()), (QList<Toast*>{first, second, third, low}));
    EXPECT_LT(first->geometry().bottom(), second->geometry().top());
    EXPECT_LT(second->geometry().bottom(), third->geometry().top());
    EXPECT_GT(low->geometry().top(), third->geometry().bottom());

    clock.advance(1s);
    EXPECT_EQ(Toast::visibleToasts(window.get()), (QList<Toast*>{second, third, low}));
    // The column closes up: the oldest remaining toast takes the top place.
    EXPECT_EQ(second->geometry().top(), first->geometry().top());
    clock.advance(1s);
    EXPECT_EQ(Toast::visibleToasts(), (QList<Toast*>{third, low}));
}

TEST_F(ToastTest, StaysInsideTheWidgetItIsShownOverAndGoesWithIt)
{
    auto* lower = new QWidget(window.get());
    lower->setGeometry(0, 300, 800, 300);
    Toast* toast = makeToast(lower, QStringLiteral("Access Denied for x"));
    ASSERT_TRUE(toast);
    EXPECT_TRUE(QRect(0, 300, 800, 300).contains(toast->geometry()));
    EXPECT_TRUE(Toast::visibleToasts(window.get()).isEmpty());

    // Touches reach what is under the toast.
    EXPECT_NE(window->childAt(toast->geometry().center()), toast);

    delete lower;
    EXPECT_TRUE(Toast::visibleToasts().isEmpty());
}

TEST_F(ToastTest, TitleAndImageAloneAreEnoughButNothingIsNot)
{
    QImage image(200, 100, QImage::Format_ARGB32);
    image.fill(Qt::red);
    Toast* toast = makeToast(window.get(), QString(), {2s, ToastPosition::Center, QStringLiteral("Printer"), image});
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->title(), QStringLiteral("Printer"));
    EXPECT_GE(toast->height(), 50);  // the image, scaled into the toast

    EXPECT_EQ(makeToast(window.get(), QString()), nullptr);
    EXPECT_EQ(Toast::visibleToasts().size(), 1);
}

TEST_F(ToastTest, WithoutAWidgetItShowsOverTheKeyWindowAndWrapsLongTexts)
{
    const QString text = QStringLiteral("Access to this website has been blocked due to content filtering. ").repeated(4);
    Toast* toast = makeToast(nullptr, text);
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->over(), window.get());
    EXPECT_LE(toast->width(), window->width() * 8 / 10);
    EXPECT_GT(toast->height(), 2 * toast->fontMetrics().height());
}
