// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// The whole widget of the widget program in both families, each look and
// state, on a light and a dark desktop.
std::vector<NamedSheet> timerWidgetGallerySheets();
