// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayFrame.h"

#include "DotMatrixKit/TimeFormatter.h"

QString DisplayFrame::text() const
{
    if (displayOverride)
        return *displayOverride;
    return TimeFormatter::format(time, timeFormat, showLeadingZero, referenceTime);
}
