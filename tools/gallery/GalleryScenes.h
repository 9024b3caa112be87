// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// Every look of the dot-matrix kit worth checking by eye, one sheet per theme.
std::vector<NamedSheet> gallerySheets();
