// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetLayout.h"
#include "widget-extension/views/TimerWidgetLook.h"

#include "TimerCoreKit/color/MulticolorPalette.h"

#include <gtest/gtest.h>

namespace {

namespace Look = TimerWidgetLook;

TimerWidgetEntry entryWith(TimerMode mode, const QString& configuredPreset = QStringLiteral("preset.classic-25"))
{
    TimerWidgetEntry entry;
    entry.timerState = WidgetTimerState::idle();
    entry.timerState.mode = mode;
    entry.configuration.selectedPreset = TimerPresetQuery().entities({configuredPreset}).value(0);
    return entry;
}

struct TimeAreaCase {
    const char* name;
    WidgetFamily family;
    TimerMode mode;
    QString configured;
    WidgetIntent expected;
};

class TimeArea : public ::testing::TestWithParam<TimeAreaCase> { };

TEST_P(TimeArea, RunsTheIntentOfItsFamilyAndMode)
{
    const TimeAreaCase& c = GetParam();
    const TimerWidgetLayout layout = layoutTimerWidget(entryWith(c.mode, c.configured), c.family);
    EXPECT_EQ(layout.timeAreaIntent, c.expected);
    EXPECT_EQ(actionAt(layout, layout.timeArea.center()), WidgetAction(c.expected));
}

const QString custom = QStringLiteral("preset.custom");
const QString classic = QStringLiteral("preset.classic-25");
const TimerPresetEntity classicEntity{classic, QStringLiteral("25 min"), 25};

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeArea,
    ::testing::Values(
        TimeAreaCase{"SmallIdleStartsTheConfiguredPreset", WidgetFamily::Small, TimerMode::Idle, classic,
                     SelectPresetIntent{classicEntity}},
        TimeAreaCase{"SmallIdleCustomSelectsCustom", WidgetFamily::Small, TimerMode::Idle, custom,
                     SelectCustomPresetIntent{}},
        TimeAreaCase{"SmallRunningToggles", WidgetFamily::Small, TimerMode::Running, classic, ToggleTimerIntent{}},
        TimeAreaCase{"SmallPausedToggles", WidgetFamily::Small, TimerMode::Paused, custom, ToggleTimerIntent{}},
        TimeAreaCase{"SmallCompletedToggles", WidgetFamily::Small, TimerMode::Completed, classic, ToggleTimerIntent{}},
        TimeAreaCase{"MediumIdleCustomToggles", WidgetFamily::Medium, TimerMode::Idle, custom, ToggleTimerIntent{}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(TimerWidgetLayout, FamiliesHaveTheirSizesAndPadding)
{
    const auto small = layoutTimerWidget(entryWith(TimerMode::Idle), WidgetFamily::Small);
    EXPECT_EQ(small.size, QSizeF(170, 170));
    EXPECT_EQ(small.timeArea, QRectF(16, 16, 138, 138));
    EXPECT_TRUE(small.quickColumn.empty());
    const auto medium = layoutTimerWidget(entryWith(TimerMode::Idle), WidgetFamily::Medium);
    EXPECT_EQ(medium.size, QSizeF(364, 170));
    EXPECT_EQ(medium.timeArea, QRectF(16, 16, 364 - 32 - 12 - 108, 138));
    // A click in the padding opens the app.
    EXPECT_EQ(actionAt(medium, QPointF(4, 4)), WidgetAction(widgetURL));
    EXPECT_EQ(actionAt(small, QPointF(165, 85)), WidgetAction(widgetURL));
}

TEST(TimerWidgetLayout, TheQuickColumnHoldsPresetsAndLinksInRows)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Idle);
    entry.timerState.selectedPresetID = QStringLiteral("preset.deep-45");
    const auto layout = layoutTimerWidget(entry, WidgetFamily::Medium);
    ASSERT_EQ(layout.quickColumn.size(), 6u);
    const QStringList labels{"5m", "10m", "25m", "45m", "", "Custom"};
    const QStringList ids{"preset.quick-5", "preset.quick-10", "preset.classic-25", "preset.deep-45"};
    for (std::size_t i = 0; i < 6; ++i) {
        const WidgetControl& control = layout.quickColumn[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(control.label, labels[qsizetype(i)]);
        EXPECT_EQ(control.selected, i == 3) << "only the selected preset is marked";
        EXPECT_EQ(actionAt(layout, control.rect.center()), control.action);
        EXPECT_GE(control.rect.left(), 364 - 16 - 108);
        EXPECT_LE(control.rect.right(), 364 - 16);
        EXPECT_GE(control.rect.top(), 16);
        EXPECT_LE(control.rect.bottom(), 170 - 16);
        if (i < 4) {
            EXPECT_EQ(control.action,
                      WidgetAction(WidgetIntent(SelectPresetIntent{Look::presetEntity(ids[qsizetype(i)])})));
        }
    }
    EXPECT_EQ(layout.quickColumn[4].action, WidgetAction(settingsURL));
    EXPECT_EQ(layout.quickColumn[5].action, WidgetAction(customURL));
    EXPECT_EQ(layout.quickColumn[0].rect.top(), layout.quickColumn[1].rect.top());
    EXPECT_LT(layout.quickColumn[1].rect.bottom(), layout.quickColumn[2].rect.top());
}

TEST(TimerWidgetLayout, TheCustomLinkIsMarkedWhenTheCustomPresetIsSelected)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Idle);
    entry.timerState.selectedPresetID = custom;
    const auto layout = layoutTimerWidget(entry, WidgetFamily::Medium);
    EXPECT_TRUE(layout.quickColumn[5].selected);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_FALSE(layout.quickColumn[i].selected);
}

TEST(TimerWidgetLayout, AStopwatchInTheMediumFamilyHasNoQuickColumn)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Running);
    entry.timerState.direction = TimerDirection::CountUp;
    const auto layout = layoutTimerWidget(entry, WidgetFamily::Medium);
    EXPECT_TRUE(layout.quickColumn.empty());
    EXPECT_EQ(layout.timeArea, QRectF(16, 16, 332, 138));
}

struct DisplayTimeCase {
    TimerMode mode;
    TimerDirection direction;
    double remaining, duration, elapsed, expected;
};

TEST(TimerWidgetLook, DisplayTime)
{
    const DisplayTimeCase cases[] = {
        {TimerMode::Idle, TimerDirection::Countdown, 0, 1500, 0, 1500},
        {TimerMode::Idle, TimerDirection::Countdown, 300, 1500, 0, 300},
        {TimerMode::Running, TimerDirection::Countdown, 0, 1500, 0, 0},
        {TimerMode::Paused, TimerDirection::Countdown, 42, 1500, 7, 42},
        {TimerMode::Running, TimerDirection::CountUp, 0, 0, 754, 754},
        {TimerMode::Idle, TimerDirection::CountUp, 0, 1500, 3, 3},
    };
    for (const auto& c : cases) {
        WidgetTimerState state = WidgetTimerState::idle();
        state.mode = c.mode;
        state.direction = c.direction;
        state.remaining = c.remaining;
        state.duration = c.duration;
        state.elapsed = c.elapsed;
        EXPECT_EQ(Look::displayTime(state), c.expected) << int(c.mode) << " " << c.remaining;
    }
}

TEST(TimerWidgetLook, CompletionShowsACheckmarkOrZeroAgainstTheDuration)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Completed);
    entry.timerState.duration = 1500;
    entry.appearanceSettings.completionDisplayBehavior = CompletionBehavior::ShowCheckmark;
    EXPECT_EQ(Look::timeText(entry), QStringLiteral("\u2713"));
    EXPECT_EQ(Look::dotMatrixInputs(entry, WidgetFamily::Small, WidgetRenderingMode::FullColor).displayOverride,
              QStringLiteral("\u2713"));
    entry.appearanceSettings.completionDisplayBehavior = CompletionBehavior::FreezeAtZero;
    entry.appearanceSettings.timeFormat = TimeFormat::Standard;
    EXPECT_EQ(Look::timeText(entry), QStringLiteral("00:00"));

    // Still running to the app, over to the widget; its status says so.
    entry.timerState.mode = TimerMode::Running;
    entry.timerState.remaining = 0;
    EXPECT_EQ(Look::timeText(entry), QStringLiteral("00:00"));
    EXPECT_EQ(Look::statusText(entry.timerState.mode), QStringLiteral("Running"));
    entry.timerState.mode = TimerMode::Idle;
    EXPECT_FALSE(Look::dotMatrixInputs(entry, WidgetFamily::Small, WidgetRenderingMode::FullColor).displayOverride);
}

TEST(TimerWidgetLook, PomodoroStripAtThePhaseIndex)
{
    WidgetTimerState state = WidgetTimerState::idle();
    EXPECT_EQ(Look::phaseIndicators(state), std::nullopt);
    state.pomodoroActive = true;
    state.pomodoroPhaseIndex = 3;
    const auto row = Look::phaseIndicators(state);
    ASSERT_TRUE(row);
    ASSERT_EQ(row->size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ((*row)[i].id, int(i));
        EXPECT_EQ((*row)[i].color, i % 2 == 0 ? Look::phaseWorkColor : Look::phaseBreakColor);
        EXPECT_DOUBLE_EQ((*row)[i].opacity, i < 3 ? 0.4 : i == 3 ? 1.0 : 0.15);
    }
}

TEST(TimerWidgetLook, DotStyleAndPalette)
{
    WidgetAppearanceSettings appearance;
    appearance.dotWeight = DotWeight::Bold;
    EXPECT_EQ(Look::dotStyle(WidgetFamily::Small, appearance).dotSize(), 4.5);
    EXPECT_EQ(Look::dotStyle(WidgetFamily::Medium, appearance).dotSize(), 5.0);
    EXPECT_EQ(Look::dotStyle(WidgetFamily::Medium, appearance).weight(), DotWeight::Bold);
    EXPECT_FALSE(Look::dotColorPalette(appearance));
    appearance.digitMode = QStringLiteral("multicolor");
    appearance.multicolorPaletteID = QStringLiteral("neon");
    const auto palette = Look::dotColorPalette(appearance);
    ASSERT_TRUE(palette);
    const auto neon = MulticolorPalette::palette(u"neon").colors();
    EXPECT_EQ(*palette, std::vector<QColor>(neon.begin(), neon.end()));
}

TEST(TimerWidgetLook, PresetEntityForAButton)
{
    EXPECT_EQ(Look::presetEntity(QStringLiteral("preset.quick-10")),
              (TimerPresetEntity{QStringLiteral("preset.quick-10"), QStringLiteral("10 min"), 10}));
    EXPECT_EQ(Look::presetEntity(QStringLiteral("preset.deep-45")).name, QStringLiteral("45 min"));
    EXPECT_EQ(Look::presetEntity(QStringLiteral("preset.classic-25")).durationMinutes, 25);
    EXPECT_EQ(Look::presetEntity(QStringLiteral("preset.other")),
              (TimerPresetEntity{QStringLiteral("preset.other"), QStringLiteral("5 min"), 5}));
}

} // namespace
