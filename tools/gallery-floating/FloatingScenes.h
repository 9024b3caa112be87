// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GalleryMain.h"

#include <vector>

// The floating panel's card worth checking by eye: one sheet per look, each
// timer state on a desktop-like backdrop.
std::vector<NamedSheet> floatingSheets();
