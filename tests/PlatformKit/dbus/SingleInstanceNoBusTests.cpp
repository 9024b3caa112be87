// Without a session bus the program runs alone, at once.
#include "PlatformKit/dbus/SingleInstance.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;
using platform::SingleInstance;

TEST(SingleInstanceWithoutBus, RunsAlone)
{
    SingleInstance instance(QStringLiteral("com.morrowfen.KelvaneTest"), QStringLiteral("/com/morrowfen/KelvaneTest"));
    bool called = false;
    instance.setOnOpen([&](const QList<QUrl>&) { called = true; });
    instance.setOnActivate([&] { called = true; });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(instance.claim({QUrl(QStringLiteral("kelvane://open"))}), SingleInstance::Role::Alone);
    EXPECT_EQ(instance.claim({}), SingleInstance::Role::Alone);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(called);
}
