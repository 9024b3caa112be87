// SPDX-License-Identifier: GPL-3.0-or-later
// What the tray item shows and says, as pure rules of its content.
#include "Kelvane/status/IconFallbackView.h"
#include "Kelvane/status/MenuBarContent.h"

#include <gtest/gtest.h>

namespace {

MenuBarContent content(TimerMode mode, TimerDirection direction = TimerDirection::Countdown)
{
    MenuBarContent c;
    c.mode = mode;
    c.direction = direction;
    c.duration = 1500;
    c.remaining = 754.6;
    c.elapsed = 42;
    return c;
}

TEST(MenuBarContentTest, DisplayAndReferenceTimeByModeAndDirection)
{
    const struct {
        TimerMode mode;
        TimerDirection direction;
        double display;
        double reference;
    } cases[] = {
        {TimerMode::Idle, TimerDirection::Countdown, 1500, 1500},
        {TimerMode::Running, TimerDirection::Countdown, 754.6, 1500},
        {TimerMode::Paused, TimerDirection::Countdown, 754.6, 1500},
        {TimerMode::Completed, TimerDirection::Countdown, 0, 1500},
        {TimerMode::Idle, TimerDirection::CountUp, 0, 60},
        {TimerMode::Running, TimerDirection::CountUp, 42, 60},
        {TimerMode::Completed, TimerDirection::CountUp, 42, 60},
    };
    for (const auto& c : cases) {
        const MenuBarContent m = content(c.mode, c.direction);
        EXPECT_EQ(m.displayTime(), c.display) << int(c.mode) << int(c.direction);
        EXPECT_EQ(m.referenceTime(), c.reference) << int(c.mode) << int(c.direction);
    }
    MenuBarContent longRun = content(TimerMode::Running, TimerDirection::CountUp);
    longRun.elapsed = 4000;
    EXPECT_EQ(longRun.referenceTime(), 4000);
}

TEST(MenuBarContentTest, WhatAFinishedCountdownShows)
{
    const struct {
        CompletionBehavior behavior;
        bool frameLoaded;
        bool animationCompleted;
        std::optional<QString> rendererOverride;
        std::optional<QString> iconOverride;
        bool animation;
        bool checkmark;
        bool blink;
    } cases[] = {
        {CompletionBehavior::FreezeAtZero, false, false, "00:00", "0m", false, false, false},
        {CompletionBehavior::BlinkDots, false, false, "00:00", "0m", false, false, true},
        {CompletionBehavior::ShowCheckmark, false, false, std::nullopt, std::nullopt, false, true, false},
        {CompletionBehavior::PlayAnimation, true, false, std::nullopt, std::nullopt, true, false, false},
        {CompletionBehavior::PlayAnimation, false, false, std::nullopt, std::nullopt, false, false, false},
        {CompletionBehavior::PlayAnimation, false, true, "00:00", "0m", false, false, false},
    };
    for (const auto& c : cases) {
        MenuBarContent m = content(TimerMode::Completed);
        m.completionBehavior = c.behavior;
        if (c.frameLoaded) {
            m.animationFrame = QImage(32, 18, QImage::Format_ARGB32);
            m.animationFrame.fill(Qt::white);
        }
        m.animationCompleted = c.animationCompleted;
        const auto label = ::testing::Message() << int(c.behavior) << " frame " << c.frameLoaded;
        EXPECT_EQ(m.rendererOverride(), c.rendererOverride) << label;
        EXPECT_EQ(m.iconOverride(), c.iconOverride) << label;
        EXPECT_EQ(m.showsAnimation(), c.animation) << label;
        EXPECT_EQ(m.showsCheckmark(), c.checkmark) << label;
        EXPECT_EQ(m.blinkDisplay(), c.blink) << label;

        // A finished count-up shows its time plainly, whatever the behaviour.
        m.direction = TimerDirection::CountUp;
        EXPECT_FALSE(m.rendererOverride() || m.iconOverride() || m.showsAnimation() || m.showsCheckmark()
                     || m.blinkDisplay())
            << label;
    }
}

TEST(MenuBarContentTest, TheZeroTextHasTheWidthOfTheTimersOwnText)
{
    MenuBarContent m = content(TimerMode::Completed);
    m.completionBehavior = CompletionBehavior::FreezeAtZero;
    m.timeFormat = TimeFormat::Minimal;
    m.showLeadingZero = true;
    EXPECT_EQ(m.rendererOverride(), QStringLiteral("00"));
}

TEST(MenuBarContentTest, AccessibleLabelSpeaksTheTime)
{
    const struct {
        TimerMode mode;
        TimerDirection direction;
        double remaining;
        QString label;
    } cases[] = {
        {TimerMode::Idle, TimerDirection::Countdown, 0, "Timer ready: 25 minutes 0 seconds"},
        {TimerMode::Running, TimerDirection::Countdown, 754.6, "Timer running: 12 minutes 34 seconds remaining"},
        {TimerMode::Paused, TimerDirection::Countdown, 59.9, "Timer paused: 59 seconds remaining"},
        {TimerMode::Running, TimerDirection::CountUp, 0, "Timer running: 42 seconds elapsed"},
        {TimerMode::Paused, TimerDirection::CountUp, 0, "Timer paused: 42 seconds elapsed"},
        {TimerMode::Completed, TimerDirection::Countdown, 0, "Timer completed"},
        {TimerMode::Running, TimerDirection::Countdown, 61, "Timer running: 1 minutes 1 seconds remaining"},
    };
    for (const auto& c : cases) {
        MenuBarContent m = content(c.mode, c.direction);
        m.remaining = c.remaining;
        EXPECT_EQ(m.accessibilityLabel(), c.label);
    }
}

TEST(MenuBarContentTest, PhaseIndicatorsMarkWhereTheCycleStands)
{
    const auto indicators = MenuBarContent::indicators({Qt::red, Qt::green, Qt::blue}, 1);
    ASSERT_EQ(indicators.size(), 3u);
    EXPECT_EQ(indicators[0], (PhaseIndicator{Qt::red, PhaseIndicator::State::Completed}));
    EXPECT_EQ(indicators[1], (PhaseIndicator{Qt::green, PhaseIndicator::State::Active}));
    EXPECT_EQ(indicators[2], (PhaseIndicator{Qt::blue, PhaseIndicator::State::Future}));
    EXPECT_TRUE(MenuBarContent::indicators({}, 0).empty());
}

TEST(IconFallbackViewTest, TimeText)
{
    const struct {
        double time;
        TimeFormat format;
        bool leadingZero;
        std::optional<double> reference;
        QString text;
    } cases[] = {
        {0.2, TimeFormat::Standard, false, std::nullopt, "1s"},
        {0, TimeFormat::Standard, false, std::nullopt, "0s"},
        {59.5, TimeFormat::Standard, false, std::nullopt, "1:00"},
        {3599, TimeFormat::Standard, false, std::nullopt, "59:59"},
        {3600, TimeFormat::Standard, false, std::nullopt, "60:00"},
        {9, TimeFormat::Standard, false, 1500, "0:09"},
        {0, TimeFormat::Standard, false, 1500, "0:00"},
        {9, TimeFormat::Standard, false, 30, "9s"},
        {0, TimeFormat::Standard, false, 30, "0s"},
        {119, TimeFormat::Minimal, false, std::nullopt, "1m"},
        {119, TimeFormat::Minimal, true, std::nullopt, "01m"},
        {600, TimeFormat::Minimal, false, std::nullopt, "10m"},
        {600, TimeFormat::Minimal, true, std::nullopt, "10m"},
        {59, TimeFormat::Minimal, false, std::nullopt, "0m"},
        {59, TimeFormat::Minimal, true, std::nullopt, "00m"},
        {-30, TimeFormat::Minimal, false, std::nullopt, "0m"},
    };
    for (const auto& c : cases) {
        IconFallbackView view;
        view.time = c.time;
        view.timeFormat = c.format;
        view.showLeadingZero = c.leadingZero;
        view.referenceTime = c.reference;
        EXPECT_EQ(view.text(), c.text) << c.time;
    }
    IconFallbackView overridden;
    overridden.displayOverride = QStringLiteral("0m");
    overridden.time = 600;
    overridden.timeFormat = TimeFormat::Standard;
    EXPECT_EQ(overridden.text(), QStringLiteral("0m"));
}

TEST(IconFallbackViewTest, HeightWithAndWithoutABarRow)
{
    IconFallbackView view;
    EXPECT_EQ(view.naturalSize().height(), IconFallbackView::plainHeight);
    view.phaseIndicators = std::vector<PhaseIndicator>{};
    EXPECT_NE(view.naturalSize().height(), IconFallbackView::plainHeight) << "an empty row still lifts it";
    view.showIcon = false;
    view.showText = false;
    EXPECT_EQ(view.naturalSize().height(), IconFallbackView::barHeight);
}

} // namespace
