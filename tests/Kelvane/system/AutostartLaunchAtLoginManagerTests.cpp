// SPDX-License-Identifier: GPL-3.0-or-later
// Launch at login on a real autostart folder in this binary's private
// XDG_CONFIG_HOME.
#include "Kelvane/system/AutostartLaunchAtLoginManager.h"

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using platform::test::writeFile;

namespace {

class LaunchAtLogin : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }

    static void clear()
    {
        QDir(platform::AutostartEntry::directory()).removeRecursively();
        QFile::remove(platform::AutostartEntry::directory());
    }

    platform::AutostartEntry entry{QStringLiteral("com.example.Test"), QStringLiteral("Test"),
                                   QStringLiteral("/opt/test/bin/test")};
};

TEST_F(LaunchAtLogin, StartsFromWhatIsOnDisk)
{
    EXPECT_FALSE(AutostartLaunchAtLoginManager(entry).isEnabled());
    ASSERT_TRUE(writeFile(entry.filePath(), "[Desktop Entry]\nType=Application\nExec=test\n"));
    EXPECT_TRUE(AutostartLaunchAtLoginManager(entry).isEnabled());
    ASSERT_TRUE(writeFile(entry.filePath(), "[Desktop Entry]\nType=Application\nExec=test\nHidden=true\n"));
    EXPECT_FALSE(AutostartLaunchAtLoginManager(entry).isEnabled());
}

TEST_F(LaunchAtLogin, EnableWritesAndDisableRemovesTheEntry)
{
    AutostartLaunchAtLoginManager manager(entry);
    QSignalSpy changes(&manager, &LaunchAtLoginManager::isEnabledChanged);

    manager.enable();
    EXPECT_TRUE(manager.isEnabled());
    EXPECT_TRUE(QFile::exists(entry.filePath()));
    manager.disable();
    EXPECT_FALSE(manager.isEnabled());
    EXPECT_FALSE(QFile::exists(entry.filePath()));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(LaunchAtLogin, EnableOverAHiddenEntryShowsItAgain)
{
    ASSERT_TRUE(writeFile(entry.filePath(), "[Desktop Entry]\nType=Application\nExec=old\nHidden=true\n"));
    AutostartLaunchAtLoginManager manager(entry);
    manager.enable();
    EXPECT_TRUE(manager.isEnabled());
    EXPECT_TRUE(entry.isEnabled());
}

TEST_F(LaunchAtLogin, FailedWriteLeavesTheStateAsItWas)
{
    // A file where the autostart folder belongs: nothing can be written.
    ASSERT_TRUE(writeFile(platform::AutostartEntry::directory(), "not a folder"));
    AutostartLaunchAtLoginManager manager(entry);
    QSignalSpy changes(&manager, &LaunchAtLoginManager::isEnabledChanged);
    manager.enable();
    EXPECT_FALSE(manager.isEnabled());
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(LaunchAtLogin, FailedRemovalIsNotRefreshed)
{
    AutostartLaunchAtLoginManager manager(entry);
    manager.enable();
    ASSERT_TRUE(manager.isEnabled());
    // A folder with something in it where the entry was: it cannot be removed.
    QFile::remove(entry.filePath());
    ASSERT_TRUE(writeFile(entry.filePath() + QStringLiteral("/inside"), "x"));
    manager.disable();
    EXPECT_TRUE(manager.isEnabled());
}

} // namespace
