// SPDX-License-Identifier: GPL-3.0-or-later
// The kelvane program on a private session bus (one per test): the first copy
// holds the name, later copies hand over and exit.
#include "ProgramProcess.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;
using platform::test::waitUntil;

namespace {

const QString busName = QStringLiteral("com.morrowfen.Kelvane");

bool nameIsOwned()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(busName);
}

// The heartbeat the program writes at launch, read as another process would.
std::optional<platform::Date> heartbeat()
{
    const auto store = platform::UserDefaults::openFile(AppGroup::storePath());
    return SharedAppState::lastHeartbeatDate(*store);
}

TEST(ProgramOnBus, TheFirstCopyStartsAndLaterCopiesHandOverAndExit)
{
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "no private session bus";
    const auto before = platform::Date::now();
    ProgramProcess first({});
    ASSERT_TRUE(waitUntil([] { return nameIsOwned(); }, 20s)) << "the first copy never took the name";
    ASSERT_TRUE(waitUntil([] { return heartbeat().has_value(); }, 10s)) << "no heartbeat at launch";
    const auto launched = *heartbeat();
    EXPECT_GE(launched, before - 1.0);
    const auto owner = QDBusConnection::sessionBus().interface()->serviceOwner(busName).value();

    const QStringList secondArguments[] = {
        {QStringLiteral("kelvane://timer/toggle")},
        {QStringLiteral("kelvane://open"), QStringLiteral("kelvane://settings")},
        {},
    };
    for (const auto& arguments : secondArguments) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        ProgramProcess second(arguments);
        EXPECT_EQ(second.waitForExit(), 0);
        // Handed over, not held up by the first copy: a wait on it would take
        // seconds. The bound leaves room for a sanitized build on a loaded machine.
        EXPECT_LT(second.elapsedMs(), 5000);
    }

    // The later copies started nothing of their own.
    EXPECT_TRUE(first.isRunning());
    EXPECT_EQ(QDBusConnection::sessionBus().interface()->serviceOwner(busName).value(), owner);
    EXPECT_EQ(heartbeat(), launched);
}

} // namespace
