// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// The tray item's pictures worth checking by eye: each look in each state at
// both cell sizes (and blown up, to judge single pixels), the other forms and
// the strip.
std::vector<NamedSheet> traySheets();
