#pragma once

// Where the 5-minute preset and the Start button lie in a freshly opened
// popover, relative to its top-left corner: laid out here the way the program
// lays it out, on a fresh store as the program's is.

#include "ScreenProbe.h"

#include "Kelvane/popover/PopoverContentView.h"

#include "../Kelvane/status/ControllerRig.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <gtest/gtest.h>

struct PopoverSpots {
    QPoint fiveMinutes;
    QPoint start;
    QPoint floatingDisplay;
};

inline PopoverSpots spotsOfAFreshPopover()
{
    ControllerRig rig;
    PopoverContent content;
    content.onOpenSettings = [] {};
    content.onToggleFloatingDisplay = [] {};
    content.onQuit = [] {};
    PopoverContentView view({rig.engine(), rig.settings(), rig.controller->pomodoroSession(),
                             rig.controller->customTimerStore(), rig.controller->customTimerSession()},
                            content);
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
    return {middleOf(QStringLiteral("popover.preset.5min")), middleOf(QStringLiteral("popover.button.start")),
            floating};
}

// Selects the 5-minute preset and presses Start with the pointer, in the
// popover at `area`.
inline void chooseFiveMinutesAndStart(ScreenProbe& screen, const QRect& area)
{
    const PopoverSpots spots = spotsOfAFreshPopover();
    ASSERT_GE(spots.fiveMinutes.y(), 0) << "no 5-minute preset in the popover";
    ASSERT_GE(spots.start.y(), 0) << "no Start button in the popover";
    const auto clickAt = [&](QPoint point) { return screen.click(QRect(area.topLeft() + point, QSize(1, 1)), 1); };
    ASSERT_TRUE(clickAt(spots.fiveMinutes));
    ASSERT_TRUE(clickAt(spots.start));
}

inline bool runsFiveMinutes(const std::optional<TimerStateSnapshot>& snapshot)
{
    return snapshot && snapshot->mode == TimerMode::Running && snapshot->duration == 300
           && snapshot->selectedPresetID == QStringLiteral("preset.quick-5");
}
