// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// The display looks worth checking by eye: sizes, styles, colours, and the
// flip clock's cards mid-fold.
std::vector<NamedSheet> rendererSheets();
