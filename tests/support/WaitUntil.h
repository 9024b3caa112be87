// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bounded waits for tests that need the event loop to run: Qt's own waits,
// taking the durations the tests write (Qt 6.4's take plain milliseconds).

// QtCore's half of QTest, so that no test needs Qt Test for these.
#include <QtCore/qtestsupport_core.h>

#include <chrono>
#include <utility>

namespace platform::test {

// Runs this thread's event loop for about `duration`.
inline void runEventLoop(std::chrono::milliseconds duration)
{
    QTest::qWait(static_cast<int>(duration.count()));
}

// Runs this thread's event loop until `done()` holds or `timeout` passes;
// returns whether it holds.
template <typename Predicate>
bool waitUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(5))
{
    return QTest::qWaitFor(std::move(done), static_cast<int>(timeout.count()));
}

} // namespace platform::test
