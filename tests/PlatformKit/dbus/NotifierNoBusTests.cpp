// SPDX-License-Identifier: GPL-3.0-or-later
// Without a session bus (this binary's main points it at a missing socket),
// the notifier posts nothing and observes nothing, and says nothing about it.
#include "PlatformKit/dbus/DBusNotifier.h"

#include "support/WaitUntil.h"

#include <QDBusConnection>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace {

QStringList messages;

void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    messages << message;
}

TEST(NotifierWithoutBus, PostAndObserveAreSilentAndNeverFire)
{
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    const auto start = std::chrono::steady_clock::now();

    platform::DBusNotifier notifier;
    int fired = 0;
    auto token = notifier.observe(QStringLiteral("com.morrowfen.kelvane.commandQueued"), [&] { ++fired; });
    notifier.post(QStringLiteral("com.morrowfen.kelvane.commandQueued"));
    notifier.post(QStringLiteral("com.morrowfen.kelvane.commandQueued"));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    platform::test::runEventLoop(200ms);
    token.reset();
    notifier.post(QStringLiteral("after"));

    qInstallMessageHandler(previous);
    EXPECT_FALSE(QDBusConnection::sessionBus().isConnected());
    EXPECT_EQ(fired, 0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_LT(elapsed, 2s);
}

TEST(NotifierWithoutBus, ObserveStillReturnsAToken)
{
    platform::DBusNotifier notifier;
    const auto token = notifier.observe(QStringLiteral("x"), [] {});
    EXPECT_TRUE(token);
}

} // namespace
