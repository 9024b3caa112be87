// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/controls/Appearance.h"

#include <QColor>

// The colour set of the soft segmented control, one for each appearance.
struct SoftSegmentedColors {
    QColor trackFill;
    QColor trackStroke;
    QColor selectedFill;
    QColor selectedShadow;
    QColor selectedLabel;
    QColor unselectedLabel;

    static SoftSegmentedColors forAppearance(Appearance appearance);
};
