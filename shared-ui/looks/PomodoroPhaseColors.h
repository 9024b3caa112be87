// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours of a Pomodoro's work and break phases, the same in the tray,
// the popover, the floating panel and the desktop widget.
namespace PomodoroPhaseColors {

inline QColor work()
{
    return QColor(52, 199, 89);
}

inline QColor pause()
{
    return QColor(255, 204, 0);
}

} // namespace PomodoroPhaseColors
