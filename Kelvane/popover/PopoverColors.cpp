// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverColors.h"

#include "shared-ui/controls/Appearance.h"
#include "shared-ui/controls/ControlPainting.h"

namespace PopoverColors {

QColor primary(const QPalette& palette)
{
    return primaryLabelColor(palette);
}

QColor secondary(const QPalette& palette)
{
    return secondaryLabelColor(palette);
}

QColor accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight);
}

QColor primaryAt(const QPalette& palette, double opacity)
{
    return faded(palette.color(QPalette::WindowText), opacity);
}

QColor stopRed(const QPalette& palette)
{
    return appearanceOf(palette) == Appearance::Dark ? QColor(255, 69, 58) : QColor(255, 59, 48);
}

} // namespace PopoverColors
