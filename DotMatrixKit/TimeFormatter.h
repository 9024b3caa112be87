// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/TimeFormat.h"

#include <QString>

#include <optional>

// The one producer of the display text of every look. The text holds only
// digits and the colon, which the dot glyphs all know.
namespace TimeFormatter {

// Seconds always fall to the lower whole second or minute: 59.9 s shows as
// 00:59, or 0 in the minimal format. `showLeadingZero` and `referenceTime`
// matter only to the minimal format, and `referenceTime` only by being
// present when the seconds are not positive. Reads no clock.
QString format(double seconds, TimeFormat timeFormat, bool showLeadingZero, std::optional<double> referenceTime);

} // namespace TimeFormatter
