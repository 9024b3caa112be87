// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the 5-minute preset, the Start button and the footer rows lie in a
// freshly opened popover, relative to its top-left corner: laid out here the
// way the program lays it out, on a fresh store as the program's is.

#include "ScreenProbe.h"
#include "StoredTimer.h"

#include "support/WaitUntil.h"

#include "Kelvane/popover/PopoverContentView.h"

#include "../Kelvane/status/ControllerRig.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <gtest/gtest.h>

struct PopoverSpots {
    QPoint fiveMinutes;
    QPoint start;
    QPoint floatingDisplay;
    QPoint settings;
};

inline PopoverSpots spotsOfAFreshPopover()
{
    ControllerRig rig;
    PopoverContent content;
    content.onOpenSettings = [] {};
    content.onToggleFloatingDisplay = [] {};
    content.onQuit = [] {};
    PopoverContentView view(PopoverModel::of(rig.model(), rig.commands()), content);
    view.show();
    QCoreApplication::processEvents();
    const auto middleOf = [&view](const QString& name) {
        auto* widget = view.findChild<QWidget*>(name);
        return widget ? widget->mapTo(&view, widget->rect().center()) : QPoint(-1, -1);
    };
    QPoint floating(-1, -1);
    for (auto* button : view.findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("Floating Display"))
            floating = button->mapTo(&view, button->rect().center());
    }
    return {middleOf(QStringLiteral("popover.preset.5min")), middleOf(QStringLiteral("popover.button.start")), floating,
            middleOf(QStringLiteral("popover.settingsButton"))};
}

inline bool runsFiveMinutes(const std::optional<TimerStateSnapshot>& snapshot);

// Selects the 5-minute preset and presses Start with the pointer, in the
// popover `window`. Each click is confirmed in the store before the next: a
// popup that is mapped may not have taken the pointer yet on a loaded
// machine, and a click it missed is given once more, as a user would.
inline void chooseFiveMinutesAndStart(ScreenProbe& screen, const QString& window, StoredTimer& timer)
{
    using namespace std::chrono_literals;
    const PopoverSpots spots = spotsOfAFreshPopover();
    ASSERT_GE(spots.fiveMinutes.y(), 0) << "no 5-minute preset in the popover";
    ASSERT_GE(spots.start.y(), 0) << "no Start button in the popover";
    const auto area = screen.waitForStill(window);
    ASSERT_TRUE(area) << "the popover does not settle";
    const auto clickUntil = [&](QPoint point, const auto& done) {
        return screen.clickUntil(
            area->topLeft() + point, [&] { return done(timer.snapshot()); }, 3s);
    };
    ASSERT_TRUE(clickUntil(spots.fiveMinutes, [](const std::optional<TimerStateSnapshot>& snapshot) {
        return snapshot && snapshot->duration == 300 && snapshot->selectedPresetID == QStringLiteral("preset.quick-5");
    })) << "the click on the 5-minute preset does not select it";
    ASSERT_TRUE(clickUntil(spots.start, [](const std::optional<TimerStateSnapshot>& snapshot) {
        return runsFiveMinutes(snapshot);
    })) << "the click on Start does not start the timer";
}

inline bool runsFiveMinutes(const std::optional<TimerStateSnapshot>& snapshot)
{
    return snapshot && snapshot->mode == TimerMode::Running && snapshot->duration == 300
        && snapshot->selectedPresetID == QStringLiteral("preset.quick-5");
}
