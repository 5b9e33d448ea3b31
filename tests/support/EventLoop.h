#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace korvel::test {

// Runs the event loop until `done` holds or `timeoutMs` of real time passed; returns `done()`.
inline bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

}  // namespace korvel::test
