// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

// Whether a palette draws light text on a dark window. The settings controls
// keep one colour set for each and pick by the palette they are painted with,
// so they follow the application palette as it changes.
enum class Appearance { Light, Dark };

// Dark exactly when the window is darker than the text on it; a palette that
// tells neither way reads as light.
Appearance appearanceOf(const QPalette& palette);
