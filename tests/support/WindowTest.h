#pragma once

#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <memory>

namespace korvel::test {

// The texts of the toasts on screen, oldest first.
inline QStringList toastTexts()
{
    QStringList texts;
    for (Toast* toast : Toast::visibleToasts())
        texts << toast->text();
    return texts;
}

inline void closeToasts()
{
    for (Toast* toast : Toast::visibleToasts())
        toast->remove();
}

// A shown 800 x 600 window on mock time, with immediate transitions.
class WindowTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        NavigationStack::setAnimationsEnabled(false);
        window = std::make_unique<QWidget>();
        window->resize(800, 600);
        window->show();
    }

    void TearDown() override
    {
        window.reset();
        flushDeletes();
        NavigationStack::setAnimationsEnabled(true);
        TestHome::TearDown();
    }

    // A shown stack over the whole window, with `root` (when given) at its bottom.
    NavigationStack* makeStack(Screen* root = nullptr)
    {
        stack = new NavigationStack(window.get());
        stack->resize(window->size());
        stack->show();
        if (root)
            stack->push(root, NavigationStack::Animation::None);
        return stack;
    }

    // Runs what was posted, deleteLater() included, without waiting for anything.
    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<QWidget> window;
    NavigationStack* stack = nullptr;  // the window's, once made
};

}  // namespace korvel::test
