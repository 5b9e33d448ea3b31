#include "app/VirtualKeyboard.h"
#include "app/ui/KVPasswordAlert.h"
#include "app/ui/KioskInput.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QInputMethod>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

class OnScreenKeyboardTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window->setGeometry(QGuiApplication::primaryScreen()->geometry());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        QGuiApplication::inputMethod()->hide();
        WindowTest::TearDown();
    }

    static bool keyboardShown(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([] { return QGuiApplication::inputMethod()->isVisible(); }, timeoutMs);
    }

    static bool keyboardHidden(int timeoutMs = 5000)
    {
        return QTest::qWaitFor([] { return !QGuiApplication::inputMethod()->isVisible(); }, timeoutMs);
    }
};

}  // namespace

TEST_F(OnScreenKeyboardTest, ThePasswordPromptBringsUpAnEnglishKeyboardOverTheLowerScreen)
{
    KVPasswordAlert::initViewController(makeStack());
    // What the keyboard looked like when it came up. (The offscreen platform then hands the focus to
    // the keyboard's own window, which a real display does not, and the keyboard goes again.)
    bool shown = false;
    QRectF keyboard;
    QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, window.get(), [&] {
        if (!QGuiApplication::inputMethod()->isVisible() || shown)
            return;
        shown = true;
        keyboard = QGuiApplication::inputMethod()->keyboardRectangle();
    });
    KVPasswordAlert::showPasswordAlert(window.get());
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    EXPECT_TRUE(Alert::visibleAlert()->textField(0)->hasFocus());

    ASSERT_TRUE(QTest::qWaitFor([&] { return shown; }, 5000)) << "the prompt's field has the focus, so the keyboard comes up without a tap";
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(keyboard.width(), screen.width());
    EXPECT_EQ(keyboard.bottom(), screen.bottom() + 1);
    EXPECT_GE(keyboard.top(), screen.height() / 2) << "the keyboard takes the lower part of the screen only";
    // The keyboard names its layout once loaded; without the restriction it would be British
    // English, or the session's language.
    (void)QTest::qWaitFor([] { return QGuiApplication::inputMethod()->locale().name() != QLatin1String("C"); }, 5000);
    EXPECT_EQ(QGuiApplication::inputMethod()->locale().name(), QStringLiteral("en_US"));
    if (Alert::visibleAlert())
        Alert::visibleAlert()->dismiss();
}

TEST_F(OnScreenKeyboardTest, ACancelledPasswordPromptDoesNotGiveThePagesFieldItsKeyboardBack)
{
    // A visitor was typing into a page's field when the administrator's gesture brought the prompt.
    auto* layout = new QVBoxLayout(window.get());
    auto* field = new QLineEdit;
    layout->addWidget(field);
    layout->addStretch();
    QTest::qWait(50);
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(keyboardShown());

    KVPasswordAlert::initViewController(makeStack());
    KVPasswordAlert::showPasswordAlert(window.get());
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    Alert::visibleAlert()->dismissWithButton(0);
    ASSERT_TRUE(QTest::qWaitFor([] { return Alert::visibleAlert() == nullptr; }, 5000));
    QTest::qWait(300);
    // The window kept its activation on a real display; the offscreen platform gave it to the
    // keyboard, so the window's own focus is what tells.
    EXPECT_NE(window->focusWidget(), field) << "the field got the focus back from the cancelled prompt";
    EXPECT_TRUE(keyboardHidden(1000)) << "the keyboard came back over the page";
}

TEST_F(OnScreenKeyboardTest, ATextFieldBringsItUpAndAButtonTakesItAway)
{
    auto* layout = new QVBoxLayout(window.get());
    auto* button = new QPushButton(QStringLiteral("Save"));
    auto* field = new QLineEdit;
    auto* readOnly = new QLineEdit(QStringLiteral("fixed"));
    readOnly->setReadOnly(true);
    auto* low = new QLineEdit;
    layout->addWidget(button);
    layout->addWidget(readOnly);
    layout->addWidget(field);
    layout->addStretch();
    layout->addWidget(low);
    QTest::qWait(50);

    const struct {
        const char* name;
        QWidget* focus;
        bool shown;
        bool fullScreen;  // when shown: the typed text above the keys
    } cases[] = {
        {"a text field", field, true, false},
        {"a button", button, false, false},
        {"a read-only field", readOnly, false, false},
        {"a field the keyboard would cover", low, true, true},
        {"the text field again", field, true, false},
    };
    for (const auto& c : cases) {
        // The offscreen platform hands the activation to the keyboard's window once it shows; a
        // real display does not. Each tap starts from the kiosk window being active again.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << c.name;
        QTest::mouseClick(c.focus, Qt::LeftButton);
        ASSERT_TRUE(c.focus->hasFocus()) << c.name;
        EXPECT_TRUE(c.shown ? keyboardShown() : keyboardHidden()) << c.name;
        if (c.shown) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return (KioskInput::keyboardMode() == KeyboardMode::FullScreen) == c.fullScreen; }, 2000)) << c.name;
        }
    }
}

int main(int argc, char** argv)
{
    // As korvel's own main does it, before the application object; the session asks for German.
    const korvel::test::ScopedEnv inputMethod("QT_IM_MODULE");
    korvel::VirtualKeyboard::prepareEnvironment({QStringLiteral("korvel"), QStringLiteral("--virtual-keyboard=on")});
    const korvel::test::ScopedEnv language("LC_ALL", "de_DE.UTF-8");
    const korvel::test::ScopedEnv platform(
        "QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    korvel::KioskInput::install();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // korvel's exec() ends the same way (KioskInput lets the focus go when the application quits).
    QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
    QApplication::exec();
    return result;
}
