// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Both programs and every stored value depend on these names: a changed one
// loses what the user set. Each is spelled out here, apart from the catalogue.
TEST(SharedDefaultsKeys, EveryKeyIsSpelledAsStoredAndNamedOnce)
{
    namespace K = SharedDefaultsKeys;
    const std::pair<QLatin1StringView, const char*> keys[] = {
        {K::timerState.name, "com.morrowfen.kelvane.timerState"},
        {K::customDuration.name, "com.morrowfen.kelvane.customDuration"},
        {K::commandQueue.name, "com.morrowfen.kelvane.commandQueue"},
        {K::lastHeartbeat.name, "com.morrowfen.kelvane.lastHeartbeat"},
        {K::selectedThemeID.name, "com.morrowfen.kelvane.theme.selectedID"},
        {K::pomodoroActive.name, "com.morrowfen.kelvane.pomodoro.active"},
        {K::pomodoroPhaseIndex.name, "com.morrowfen.kelvane.pomodoro.phaseIndex"},
        {K::pomodoroKeysMigrated.name, "com.morrowfen.kelvane.pomodoro.keysMigrated"},
        {K::customTimers.name, "com.morrowfen.kelvane.customTimers"},
        {K::customTimerActiveID.name, "com.morrowfen.kelvane.customTimer.activeID"},
        {K::customTimerActive.name, "com.morrowfen.kelvane.customTimer.active"},
        {K::customTimerPhaseIndex.name, "com.morrowfen.kelvane.customTimer.phaseIndex"},
        {K::displayScale.name, "com.morrowfen.kelvane.appearance.displayScale"},
        {K::menuBarDisplayMode.name, "com.morrowfen.kelvane.appearance.menuBarDisplayMode"},
        {K::dotWeight.name, "com.morrowfen.kelvane.appearance.dotWeight"},
        {K::colonMode.name, "com.morrowfen.kelvane.appearance.colonMode"},
        {K::timeFormat.name, "com.morrowfen.kelvane.appearance.timeFormat"},
        {K::dotShape.name, "com.morrowfen.kelvane.appearance.dotShape"},
        {K::showLeadingZero.name, "com.morrowfen.kelvane.appearance.showLeadingZero"},
        {K::displayType.name, "com.morrowfen.kelvane.appearance.displayType"},
        {K::styleConfig.name, "com.morrowfen.kelvane.appearance.styleConfig"},
        {K::preventSleep.name, "com.morrowfen.kelvane.behavior.preventSleep"},
        {K::floatingDisplayEnabled.name, "com.morrowfen.kelvane.floatingDisplay.enabled"},
        {K::globalShortcutsEnabled.name, "com.morrowfen.kelvane.general.globalShortcutsEnabled"},
        {K::respectFocusMode.name, "com.morrowfen.kelvane.behavior.respectFocusMode"},
        {K::hasSeenClickHint.name, "com.morrowfen.kelvane.macos.hasSeenClickHint"},
        {K::floatingDisplayX.name, "com.morrowfen.kelvane.floatingDisplay.x"},
        {K::floatingDisplayY.name, "com.morrowfen.kelvane.floatingDisplay.y"},
        {K::lastUpdateCheck.name, "com.morrowfen.kelvane.general.lastUpdateCheck"},
        {K::settingsVersion.name, "com.morrowfen.kelvane.settingsVersion"},
        {K::completionDisplayBehavior.name, "com.morrowfen.kelvane.completion.displayBehavior"},
        {K::completionSelectedSound.name, "com.morrowfen.kelvane.completion.selectedSound"},
        {K::completionTickStyle.name, "com.morrowfen.kelvane.completion.tickStyle"},
        {K::completionShowNotification.name, "com.morrowfen.kelvane.completion.showNotification"},
        {K::completionSelectedAnimationID.name, "com.morrowfen.kelvane.completion.selectedAnimationID"},
        {K::completionAnimationLoopsEnabled.name, "com.morrowfen.kelvane.completion.animationLoopsEnabled"},
        {K::digitMode.name, "com.morrowfen.kelvane.appearance.digitModeDiscriminator"},
        {K::digitPresetID.name, "com.morrowfen.kelvane.appearance.digitPresetID"},
        {K::backgroundMode.name, "com.morrowfen.kelvane.appearance.backgroundModeDiscriminator"},
        {K::backgroundPresetID.name, "com.morrowfen.kelvane.appearance.backgroundPresetID"},
        {K::selectedColorID.name, "com.morrowfen.kelvane.appearance.selectedColorID"},
        {K::multicolorPaletteID.name, "com.morrowfen.kelvane.appearance.multicolorPaletteID"},
        {K::customDigitSwatches.name, "com.morrowfen.kelvane.appearance.customDigitSwatches"},
        {K::customBackgroundSwatches.name, "com.morrowfen.kelvane.appearance.customBackgroundSwatches"},
        {K::customDot.r.name, "com.morrowfen.kelvane.appearance.customDotR"},
        {K::customDot.g.name, "com.morrowfen.kelvane.appearance.customDotG"},
        {K::customDot.b.name, "com.morrowfen.kelvane.appearance.customDotB"},
        {K::customDot.a.name, "com.morrowfen.kelvane.appearance.customDotA"},
        {K::customBackground.r.name, "com.morrowfen.kelvane.appearance.customBgR"},
        {K::customBackground.g.name, "com.morrowfen.kelvane.appearance.customBgG"},
        {K::customBackground.b.name, "com.morrowfen.kelvane.appearance.customBgB"},
        {K::customBackground.a.name, "com.morrowfen.kelvane.appearance.customBgA"},
        {K::completionPlaySound.name, "com.morrowfen.kelvane.completion.playSound"},
        {K::isCustomMode.name, "com.morrowfen.kelvane.appearance.isCustomMode"},
        {K::isMulticolorMode.name, "com.morrowfen.kelvane.appearance.isMulticolorMode"},
        {K::olderTheme.name, "selectedTheme"},
        {K::olderPomodoroActive.name, "pomodoro.active"},
        {K::olderPomodoroPhaseIndex.name, "pomodoro.phaseIndex"},
    };
    QSet<QString> seen;
    for (const auto& [key, spelled] : keys) {
        EXPECT_EQ(key, QLatin1StringView(spelled));
        EXPECT_FALSE(seen.contains(key)) << spelled << " is named twice";
        seen.insert(key);
    }
}

// A key goes wherever the store takes a key name.
TEST(SharedDefaultsKeys, KeysAddressTheStoreAndReadTheirDefaultsWhenAbsent)
{
    namespace K = SharedDefaultsKeys;
    const auto defaults = platform::UserDefaults::inMemory();
    EXPECT_EQ(K::displayType.read(*defaults), DisplayType::DotMatrix);
    EXPECT_TRUE(K::globalShortcutsEnabled.read(*defaults));
    EXPECT_EQ(K::multicolorPaletteID.read(*defaults), u"rainbow");
    EXPECT_EQ(K::completionSelectedAnimationID.read(*defaults), std::nullopt);

    struct Case {
        const char* name;
        platform::StoredValue stored;
        DisplayType type; // an option: only its exact raw string
        bool shortcuts; // a flag: only a stored Boolean
        QString palette; // a string: as the store gives it
    };
    const Case cases[] = {
        {"raw string", QStringLiteral("flipClock"), DisplayType::FlipClock, true, QStringLiteral("flipClock")},
        {"raw string in capitals", QStringLiteral("FlipClock"), DisplayType::DotMatrix, true,
         QStringLiteral("FlipClock")},
        {"Boolean", false, DisplayType::DotMatrix, false, QStringLiteral("rainbow")},
        {"number", qint64(0), DisplayType::DotMatrix, true, QStringLiteral("0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        defaults->setObject(K::displayType, c.stored);
        defaults->setObject(K::globalShortcutsEnabled, c.stored);
        defaults->setObject(K::multicolorPaletteID, c.stored);
        EXPECT_EQ(K::displayType.read(*defaults), c.type);
        EXPECT_EQ(K::globalShortcutsEnabled.read(*defaults), c.shortcuts);
        EXPECT_EQ(K::multicolorPaletteID.read(*defaults), c.palette);
    }

    K::displayType.write(*defaults, DisplayType::SevenSegment);
    EXPECT_EQ(defaults->object(K::displayType.name), platform::StoredValue(QStringLiteral("sevenSegmentV2")));
    K::completionSelectedAnimationID.write(*defaults, QStringLiteral("builtin.matrix-rain"));
    EXPECT_EQ(K::completionSelectedAnimationID.read(*defaults), u"builtin.matrix-rain");
    K::completionSelectedAnimationID.write(*defaults, std::nullopt);
    EXPECT_FALSE(defaults->object(K::completionSelectedAnimationID));
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
