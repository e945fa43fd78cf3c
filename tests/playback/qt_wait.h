#pragma once
// Runs the event loop until a condition holds or a deadline passes.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace ritmora::test {

inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

inline void RunEventsFor(int ms) {
    WaitUntil([] { return false; }, ms);
}

}  // namespace ritmora::test
