#include "tests/app/ui/KioskOnAPage.h"

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QWebEngineProfile>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

class EscapeKeysTest : public test::KioskOnAPage {
protected:
    static QList<QWidget*> visibleTopLevels()
    {
        QList<QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !qobject_cast<QMenu*>(w))
                shown << w;
        }
        return shown;
    }
};

}  // namespace

// Keys and pointer actions a visitor (or a keyboard left at the kiosk) could use to get out, sent
// through the window system to the kiosk window with the page focused: none opens a window, a
// menu, developer tools, a print, a download or another page, zooms, or closes or leaves the kiosk.
TEST_F(EscapeKeysTest, NoKeyOrPointerActionLeavesTheKiosk)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><head><title>Visit</title></head><body style='margin:0'>"
        "<a id='link' href='/second' style='display:block;height:300px;background:#ccc'>a link</a>"
        "<input id='field' value='text'></body></html>"));
    server.setPage(QStringLiteral("/second"), QByteArrayLiteral("<html><head><title>Second</title></head><body>2</body></html>"));
    KVSettings& s = settings();
    s.kvBrowPref.allowPopup = false;
    s.kvBrowPref.zoomEnable = false;
    s.kvBrowPref.enableCopyPaste = false;
    KVWKViewController* window = openOnly(server.url(QStringLiteral("keys.test")), QStringLiteral("Visit"));
    ASSERT_NE(window, nullptr);
    NavigationStack* stack = shell->window().navigationStack();
    QWebEngineView* view = window->webView();
    QWindow* handle = shell->window().windowHandle();
    ASSERT_NE(handle, nullptr);

    // A menu would wait in its own loop: it is noted and closed.
    QStringList menus;
    QTimer menuWatch;
    QObject::connect(&menuWatch, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            QStringList entries;
            for (QAction* a : popup->actions())
                entries << a->text();
            menus << entries.join(QLatin1Char(','));
            popup->close();
        }
    });
    menuWatch.start(20);
    QSignalSpy printed(window, &KVWKViewController::printedToFile);
    QSignalSpy downloads(view->page()->profile(), &QWebEngineProfile::downloadRequested);
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    const QList<QWidget*> topLevels = visibleTopLevels();
    const Qt::WindowStates kioskState = shell->window().windowState();
    const QUrl page = view->url();
    static QPointingDevice* touch = QTest::createTouchDevice();
    const QPoint onLink = view->mapTo(&shell->window(), QPoint(100, 100));

    // The keys do reach the page: typed into its field, a letter arrives.
    test::evaluate(view, QStringLiteral("document.getElementById('field').focus(); 0"));
    QTest::keyClick(handle, Qt::Key_X);
    EXPECT_TRUE(test::processEventsUntil([&] {
        return test::evaluate(view, QStringLiteral("document.getElementById('field').value")).toString().contains(QLatin1Char('x'));
    }, 5000));

    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"Ctrl+L", [&] { QTest::keyClick(handle, Qt::Key_L, Qt::ControlModifier); }},
        {"Ctrl+T", [&] { QTest::keyClick(handle, Qt::Key_T, Qt::ControlModifier); }},
        {"Ctrl+N", [&] { QTest::keyClick(handle, Qt::Key_N, Qt::ControlModifier); }},
        {"Ctrl+Shift+N", [&] { QTest::keyClick(handle, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"Ctrl+O", [&] { QTest::keyClick(handle, Qt::Key_O, Qt::ControlModifier); }},
        {"Ctrl+P", [&] { QTest::keyClick(handle, Qt::Key_P, Qt::ControlModifier); }},
        {"Ctrl+S", [&] { QTest::keyClick(handle, Qt::Key_S, Qt::ControlModifier); }},
        {"Ctrl+U", [&] { QTest::keyClick(handle, Qt::Key_U, Qt::ControlModifier); }},
        {"Ctrl+Shift+I", [&] { QTest::keyClick(handle, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"Ctrl+Shift+J", [&] { QTest::keyClick(handle, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"F12", [&] { QTest::keyClick(handle, Qt::Key_F12); }},
        {"F11", [&] { QTest::keyClick(handle, Qt::Key_F11); }},
        {"Alt+F4", [&] { QTest::keyClick(handle, Qt::Key_F4, Qt::AltModifier); }},
        {"Ctrl+W", [&] { QTest::keyClick(handle, Qt::Key_W, Qt::ControlModifier); }},
        {"Ctrl+F4", [&] { QTest::keyClick(handle, Qt::Key_F4, Qt::ControlModifier); }},
        {"Ctrl+Q", [&] { QTest::keyClick(handle, Qt::Key_Q, Qt::ControlModifier); }},
        {"Alt+Left", [&] { QTest::keyClick(handle, Qt::Key_Left, Qt::AltModifier); }},
        {"Back key", [&] { QTest::keyClick(handle, Qt::Key_Back); }},
        {"Backspace", [&] { QTest::keyClick(handle, Qt::Key_Backspace); }},
        {"Alt+Tab", [&] { QTest::keyClick(handle, Qt::Key_Tab, Qt::AltModifier); }},
        {"Super", [&] { QTest::keyClick(handle, Qt::Key_Super_L); }},
        {"Ctrl+Alt+F1", [&] { QTest::keyClick(handle, Qt::Key_F1, Qt::ControlModifier | Qt::AltModifier); }},
        {"Ctrl+Alt+F2", [&] { QTest::keyClick(handle, Qt::Key_F2, Qt::ControlModifier | Qt::AltModifier); }},
        {"Ctrl+Alt+Backspace", [&] { QTest::keyClick(handle, Qt::Key_Backspace, Qt::ControlModifier | Qt::AltModifier); }},
        {"Escape", [&] { QTest::keyClick(handle, Qt::Key_Escape); }},
        {"Ctrl+plus", [&] { QTest::keyClick(handle, Qt::Key_Plus, Qt::ControlModifier); }},
        {"Menu key", [&] { QTest::keyClick(handle, Qt::Key_Menu); }},
        {"Shift+F10", [&] { QTest::keyClick(handle, Qt::Key_F10, Qt::ShiftModifier); }},
        {"right click", [&] { QTest::mouseClick(handle, Qt::RightButton, {}, onLink); }},
        {"long press", [&] {
             QTest::touchEvent(handle, touch).press(0, onLink);
             test::processEventsUntil([] { return false; }, 1200);
             QTest::touchEvent(handle, touch).release(0, onLink);
         }},
        {"middle click on a link", [&] { QTest::mouseClick(handle, Qt::MiddleButton, {}, onLink); }},
        {"Ctrl+click on a link", [&] { QTest::mouseClick(handle, Qt::LeftButton, Qt::ControlModifier, onLink); }},
        {"Shift+click on a link", [&] { QTest::mouseClick(handle, Qt::LeftButton, Qt::ShiftModifier, onLink); }},
        {"a link dropped on the page", [&] {
             QMimeData data;
             data.setUrls({QUrl(server.url(QStringLiteral("keys.test"), QStringLiteral("/second")))});
             QWidget* input = view->focusProxy();
             const QPoint at(100, 100);
             QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});
             QCoreApplication::sendEvent(input, &enter);
             QDropEvent drop(at, Qt::CopyAction | Qt::LinkAction, &data, Qt::LeftButton, {});
             QCoreApplication::sendEvent(input, &drop);
         }},
    };
    for (const auto& c : cases) {
        server.clearRequests();
        view->setFocus();
        c.act();
        test::processEventsUntil([] { return false; }, 400);
        EXPECT_EQ(menus, QStringList()) << c.name;
        EXPECT_EQ(stack->topScreen(), window) << c.name;
        EXPECT_EQ(view->url(), page) << c.name;
        EXPECT_EQ(window->popupView(), nullptr) << c.name;
        EXPECT_EQ(view->page()->devToolsPage(), nullptr) << c.name;
        EXPECT_EQ(view->zoomFactor(), 1.0) << c.name;
        EXPECT_EQ(printed.count(), 0) << c.name;
        EXPECT_EQ(downloads.count(), 0) << c.name;
        EXPECT_EQ(quitting.count(), 0) << c.name;
        EXPECT_EQ(visibleTopLevels(), topLevels) << c.name;
        EXPECT_TRUE(shell->window().isVisible()) << c.name;
        EXPECT_EQ(shell->window().windowState(), kioskState) << c.name;
        for (const auto& r : server.requests()) {
            if (r.path != QLatin1String("/favicon.ico"))
                ADD_FAILURE() << c.name << ": asked for " << qPrintable(r.path);
        }
        menus.clear();
    }

    // With copying allowed, the menu holds the editing actions and nothing else.
    s.kvBrowPref.enableCopyPaste = true;
    QTest::mouseClick(handle, Qt::RightButton, {}, onLink);
    EXPECT_TRUE(test::processEventsUntil([&] { return !menus.isEmpty(); }, 5000));
    EXPECT_EQ(menus, QStringList{view->page()->action(QWebEnginePage::Cut)->text() + QLatin1Char(',')
                                 + view->page()->action(QWebEnginePage::Copy)->text() + QLatin1Char(',')
                                 + view->page()->action(QWebEnginePage::Paste)->text() + QLatin1Char(',')
                                 + view->page()->action(QWebEnginePage::SelectAll)->text()});
}
