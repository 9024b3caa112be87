// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GallerySheet.h"

#include <QPalette>
#include <QString>

#include <vector>

struct PopoverSheet {
    QString fileName;
    GallerySheet sheet;
};

QPalette lightPopoverPalette();
QPalette darkPopoverPalette();

// One sheet per appearance: the popover idle, running, paused, completed, as
// a stopwatch, with a Pomodoro and with a custom timer running. Needs a
// QApplication; sets its palette.
std::vector<PopoverSheet> popoverSheets();
