#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(SharedDefaultsKeys, EveryKeyIsSpelledAsBothProgramsExpect)
{
    const QLatin1StringView keys[] = {
        SharedDefaultsKeys::timerState,        SharedDefaultsKeys::customDuration,
        SharedDefaultsKeys::commandQueue,      SharedDefaultsKeys::lastHeartbeat,
        SharedDefaultsKeys::selectedThemeID,   SharedDefaultsKeys::pomodoroActive,
        SharedDefaultsKeys::pomodoroPhaseIndex, SharedDefaultsKeys::pomodoroKeysMigrated,
        SharedDefaultsKeys::customTimers,      SharedDefaultsKeys::customTimerActiveID,
        SharedDefaultsKeys::customTimerActive, SharedDefaultsKeys::customTimerPhaseIndex,
    };
    for (const auto key : keys)
        EXPECT_TRUE(key.startsWith(QLatin1StringView("com.morrowfen.kelvane."))) << key.data();
    EXPECT_EQ(SharedDefaultsKeys::pomodoroKeysMigrated, QLatin1StringView("com.morrowfen.kelvane.pomodoro.keysMigrated"));
    EXPECT_EQ(SharedDefaultsKeys::customTimerActiveID, QLatin1StringView("com.morrowfen.kelvane.customTimer.activeID"));
    EXPECT_EQ(SharedDefaultsKeys::customTimerPhaseIndex,
              QLatin1StringView("com.morrowfen.kelvane.customTimer.phaseIndex"));
}

TEST(AppGroup, SharedStoreIsOneObjectInTheUsersConfigDirectory)
{
    EXPECT_EQ(&AppGroup::userDefaults(), &AppGroup::userDefaults());
    EXPECT_TRUE(AppGroup::storePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    EXPECT_TRUE(AppGroup::storePath().contains("group.com.morrowfen.Kelvane"));
}

TEST(SharedAppState, HeartbeatReadsBackOnlyAsADate)
{
    auto defaults = platform::UserDefaults::inMemory();
    EXPECT_FALSE(SharedAppState::lastHeartbeatDate(*defaults));
    const auto when = platform::Date::fromSecondsSinceReferenceDate(812345678.5);
    SharedAppState::recordHeartbeat(when, *defaults);
    EXPECT_EQ(SharedAppState::lastHeartbeatDate(*defaults), when);
    defaults->setString(SharedDefaultsKeys::lastHeartbeat, "yesterday");
    EXPECT_FALSE(SharedAppState::lastHeartbeatDate(*defaults));
}

} // namespace
