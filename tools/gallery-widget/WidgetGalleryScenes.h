// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// Every look of the widget dot-matrix view worth checking by eye.
std::vector<NamedSheet> widgetGallerySheets();
