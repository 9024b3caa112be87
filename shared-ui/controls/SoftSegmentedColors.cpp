// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SoftSegmentedColors.h"

#include "shared-ui/controls/ControlPainting.h"

SoftSegmentedColors SoftSegmentedColors::forAppearance(Appearance appearance)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    if (appearance == Appearance::Dark) {
        return {faded(white, 0.06), faded(white, 0.08), faded(white, 0.18), faded(black, 0.25), white,
                faded(white, 0.55)};
    }
    return {faded(black, 0.06), faded(black, 0.1), faded(black, 0.08), faded(black, 0.12), black, faded(black, 0.45)};
}
