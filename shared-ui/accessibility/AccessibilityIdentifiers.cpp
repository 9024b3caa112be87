// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"

namespace AccessibilityIdentifiers::Popover {

QString presetButton(int minutes)
{
    return u"popover.preset."_s + QString::number(minutes) + u"min"_s;
}

} // namespace AccessibilityIdentifiers::Popover
