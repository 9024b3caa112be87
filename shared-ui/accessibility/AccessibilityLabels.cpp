// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibilityLabels.h"

namespace AccessibilityLabels {

QString Popover::stateLabel(QStringView state)
{
    return u"Timer is "_s + state.toString();
}

QString Popover::presetButton(int minutes)
{
    return QString::number(minutes) + u" minute preset"_s;
}

QString Popover::customDuration(int minutes)
{
    return u"Custom duration: "_s + QString::number(minutes) + u" minutes"_s;
}

QString MenuBar::dotMatrixDisplay(QStringView time)
{
    return u"Timer: "_s + time.toString();
}

} // namespace AccessibilityLabels
