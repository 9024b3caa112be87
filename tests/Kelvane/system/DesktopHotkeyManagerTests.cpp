// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/DesktopHotkeyManager.h"

#include "Kelvane/system/HotkeyShortcuts.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

// A watch that stays in `live` while it exists, so a test can press its
// shortcuts and see when the manager drops it.
struct FakeWatches {
    struct Watch final : platform::ShortcutWatch {
        Watch(FakeWatches& watches, platform::ShortcutActivated handler)
            : owner(watches)
            , onActivated(std::move(handler))
        {
            owner.live.append(this);
        }
        ~Watch() override { owner.live.removeOne(this); }
        FakeWatches& owner;
        platform::ShortcutActivated onActivated;
    };

    DesktopHotkeyManager::WatchFactory factory()
    {
        return [this](const QList<platform::Shortcut>& shortcuts, platform::ShortcutActivated onActivated) {
            ++made;
            lastShortcuts = shortcuts;
            return std::make_unique<Watch>(*this, std::move(onActivated));
        };
    }

    QList<Watch*> live;
    int made = 0;
    QList<platform::Shortcut> lastShortcuts;
};

class DesktopHotkeys : public ::testing::Test {
protected:
    DesktopHotkeys()
    {
        manager.setOnToggleTimer([this] { calls.append("toggle"); });
        manager.setOnResetTimer([this] { calls.append("reset"); });
    }

    FakeWatches global;
    FakeWatches ownWindows;
    DesktopHotkeyManager manager{global.factory(), ownWindows.factory()};
    QStringList calls;
};

TEST_F(DesktopHotkeys, EnableWatchesBothShortcutsEverywhereAndDisableStops)
{
    EXPECT_TRUE(global.live.isEmpty());
    manager.enable();
    ASSERT_EQ(global.live.size(), 1);
    ASSERT_EQ(ownWindows.live.size(), 1);
    QStringList ids;
    for (const platform::Shortcut& shortcut : global.lastShortcuts)
        ids.append(shortcut.id);
    EXPECT_EQ(ids, (QStringList{"toggle", "reset"}));
    const platform::KeyModifiers controlShift = platform::KeyModifier::Control | platform::KeyModifier::Shift;
    EXPECT_EQ(platform::matchingShortcut(global.lastShortcuts, {controlShift, U't'}), hotkeys::toggleId);
    EXPECT_EQ(platform::matchingShortcut(global.lastShortcuts, {controlShift, U'r'}), hotkeys::resetId);

    manager.disable();
    EXPECT_TRUE(global.live.isEmpty());
    EXPECT_TRUE(ownWindows.live.isEmpty());

    manager.enable();
    EXPECT_EQ(global.made, 2);
    EXPECT_EQ(global.live.size(), 1);
}

TEST_F(DesktopHotkeys, ShortcutsRunTheirCallbacksOnALaterTurn)
{
    manager.enable();
    global.live.first()->onActivated(hotkeys::toggleId);
    ownWindows.live.first()->onActivated(hotkeys::resetId);
    global.live.first()->onActivated(QStringLiteral("unknown"));
    EXPECT_TRUE(calls.isEmpty()) << "never inside the key handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, (QStringList{"toggle", "reset"}));
}

TEST_F(DesktopHotkeys, APendingCallbackIsDroppedWithTheManager)
{
    int toggles = 0;
    {
        FakeWatches watches;
        DesktopHotkeyManager doomed(watches.factory(), watches.factory());
        doomed.setOnToggleTimer([&] { ++toggles; });
        doomed.enable();
        watches.live.first()->onActivated(hotkeys::toggleId);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(toggles, 0);
}

} // namespace
