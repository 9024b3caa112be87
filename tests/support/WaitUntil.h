#pragma once

// Bounded waits for tests that need the event loop to run.

#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace platform::test {

// Runs this thread's event loop for about `duration`.
inline void runEventLoop(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs this thread's event loop until `done()` holds or `timeout` passes;
// returns whether it holds.
template <typename Predicate>
bool waitUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return done();
        runEventLoop(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace platform::test
