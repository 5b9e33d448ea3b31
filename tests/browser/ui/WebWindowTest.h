#pragma once

// A kiosk browser window on a real engine, its pages served by the tests' local server.
#include "browser/ui/BrowserTabsController.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVWebView.h"
#include "log/KVLogger.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/WebTestServer.h"
#include "tests/support/WindowTest.h"

#include <QSignalSpy>
#include <QTest>
#include <QLineEdit>
#include <QTimer>
#include <QWebEnginePage>

#include <functional>
#include <memory>

namespace korvel::test {

// The window of tab `index`, as the routes made it.
inline KVWKViewController* windowOf(const BrowserTabsController* tabs, int index)
{
    return qobject_cast<KVWKViewController*>(tabs->tab(index));
}

// What `script` gives back in `view`'s page.
inline QVariant evaluate(QWebEngineView* view, const QString& script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    processEventsUntil([&] { return done; }, 10000);
    return result;
}

class WebWindowTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        server().clearRequests();
        server().setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Start</title></head><body>start</body></html>"));
        server().setPage(QStringLiteral("/second"), QByteArrayLiteral("<html><head><title>Second</title></head><body>2</body></html>"));
        freshStack();
    }

    void TearDown() override
    {
        stack.reset();
        TestHome::TearDown();
    }

    // A new, empty screen stack in place of the one before.
    void freshStack()
    {
        stack.reset();
        stack = std::make_unique<NavigationStack>();
        stack->resize(800, 600);
        stack->show();
    }

    static WebTestServer& server() { return WebTestServer::shared(); }
    static QString url(const char* host, const char* path = "/") { return server().url(QString::fromLatin1(host), QString::fromLatin1(path)); }

    static allowedWebsite site(const QString& address)
    {
        allowedWebsite w;
        w.url = address;
        w.title = QStringLiteral("t");
        return w;
    }

    // A window for `address` on the stack, its page still loading; the address is the allowed one
    // unless the test set its own.
    KVWKViewController* push(const QString& address)
    {
        if (settings().allowedWebsites.isEmpty())
            settings().allowedWebsites = {site(address)};
        KVWKViewController* window = KVWKViewController::initWithWebsite(site(address));
        stack->push(window, NavigationStack::Animation::None);
        return window;
    }

    // The same, once its page has loaded.
    KVWKViewController* open(const QString& address)
    {
        KVWKViewController* window = push(address);
        QSignalSpy finished(window, &KVWKViewController::pageFinished);
        EXPECT_TRUE(processEventsUntil([&] { return finished.count() > 0; }, 20000)) << qPrintable(address);
        return window;
    }

    void closeWindows()
    {
        stack->popToRoot(NavigationStack::Animation::None);
        stack->pop(NavigationStack::Animation::None);
    }

    static QVariant evaluate(KVWKViewController* window, const QString& script) { return test::evaluate(window->webView(), script); }
    static QStringList log(const QString& category) { return loggedEvents(category); }
    static void wait(int ms) { processEventsUntil([] { return false; }, ms); }

    static bool toastShown(const QString& text) { return toastTexts().contains(text); }

    static int requestsFor(const char* path)
    {
        int n = 0;
        for (const auto& r : server().requests())
            n += r.path == QLatin1String(path);
        return n;
    }

    // The window's pages still alive, pop-ups included.
    static int pagesOf(KVWKViewController* window)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return int(window->findChildren<QWebEnginePage*>().size());
    }

    // A real click through the window system at `pos` of `window`, hit-tested like a touch.
    void clickAt(QWidget* window, const QPoint& pos)
    {
        QTest::mouseClick(stack->windowHandle(), Qt::LeftButton, {}, window->mapTo(stack.get(), pos));
    }

    // Clicks until `reached` holds: a click right after a load can come before the page takes input.
    bool clickUntil(QWidget* window, const QPoint& pos, const std::function<bool()>& reached)
    {
        for (int i = 0; i < 10; ++i) {
            clickAt(window, pos);
            if (processEventsUntil(reached, 1000))
                return true;
        }
        return false;
    }

    // Page dialogs wait for their answer inside the engine's call, so a timer presses the button
    // once the alert is up.
    static void answerNextAlert(const QString& button, const QString& fieldText = QString(),
                                const std::function<void(Alert*)>& fill = nullptr)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, button, fieldText, fill] {
            Alert* alert = Alert::visibleAlert();
            if (!alert)
                return;
            if (!fieldText.isNull())
                alert->textField(0)->setText(fieldText);
            if (fill)
                fill(alert);
            lastAlertMessage() = alert->message();
            poll->stop();
            poll->deleteLater();
            alert->dismissWithButton(alert->buttonIndex(button));
        });
        poll->start(20);
    }

    static QString& lastAlertMessage()
    {
        static QString message;
        return message;
    }

    std::unique_ptr<NavigationStack> stack;
};

}  // namespace korvel::test
