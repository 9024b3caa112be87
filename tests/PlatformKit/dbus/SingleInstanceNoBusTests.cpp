// SPDX-License-Identifier: GPL-3.0-or-later
// Without a session bus the program runs alone, at once, unless another copy
// already runs in the session.
#include "PlatformKit/dbus/SingleInstance.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "support/WaitUntil.h"

using namespace std::chrono_literals;
using platform::SingleInstance;
using platform::test::waitUntil;

namespace {

const QString serviceName = QStringLiteral("com.morrowfen.KelvaneTest");
const QString objectPath = QStringLiteral("/com/morrowfen/KelvaneTest");

} // namespace

TEST(SingleInstanceWithoutBus, RunsAlone)
{
    QTemporaryDir dir;
    SingleInstance instance(serviceName, objectPath, dir.filePath("kelvane.lock"));
    bool called = false;
    instance.setOnOpen([&](const QList<QUrl>&) { called = true; });
    instance.setOnActivate([&] { called = true; });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(instance.claim({QUrl(QStringLiteral("kelvane://open"))}), SingleInstance::Role::Alone);
    EXPECT_EQ(instance.claim({}), SingleInstance::Role::Alone);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(called);
}

TEST(SingleInstanceWithoutBus, ASecondCopyCannotRunBesideTheFirst)
{
    QTemporaryDir dir;
    const QString lockPath = dir.filePath("kelvane.lock");
    auto first = std::make_unique<SingleInstance>(serviceName, objectPath, lockPath);
    ASSERT_EQ(first->claim({}), SingleInstance::Role::Alone);

    SingleInstance second(serviceName, objectPath, lockPath);
    EXPECT_EQ(second.claim({QUrl(QStringLiteral("kelvane://timer/toggle"))}), SingleInstance::Role::Unreachable);

    first.reset();
    EXPECT_EQ(second.claim({}), SingleInstance::Role::Alone);
}

TEST(SingleInstanceWithoutBus, TheLockOfACopyThatDiedIsTakenOver)
{
    QProcess holder;
    holder.start(QStringLiteral(KELVANE_SINGLE_INSTANCE_HELPER), {serviceName, objectPath});
    ASSERT_TRUE(waitUntil([&] { return holder.canReadLine() || holder.state() == QProcess::NotRunning; }, 10s));
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("alone"));

    // The helper uses the session's lock, as this process does by default.
    SingleInstance instance(serviceName, objectPath);
    EXPECT_EQ(instance.claim({}), SingleInstance::Role::Unreachable);

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(5000));
    EXPECT_EQ(instance.claim({}), SingleInstance::Role::Alone);
}

TEST(SessionLockPath, LivesInTheRuntimeFolderOrAUserOwnNameBesideTemporaryFiles)
{
    struct Case {
        const char* runtimeDir;
        const char* expected;
    };
    const Case cases[] = {
        {"/run/user/1000", "/run/user/1000/app.lock"},
        {"", "/tmp/app-1000.lock"},
        {"relative/dir", "/tmp/app-1000.lock"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::sessionLockPath(QStringLiteral("app"), QString::fromUtf8(c.runtimeDir),
                                            QStringLiteral("/tmp"), 1000),
                  QString::fromUtf8(c.expected))
            << c.runtimeDir;
    }
}
