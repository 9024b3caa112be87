// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibilityHints.h"

namespace AccessibilityHints {

QString Popover::presetButton(bool isDisabled)
{
    return isDisabled ? u"Unavailable while timer is running"_s : u"Double tap to select this preset"_s;
}

} // namespace AccessibilityHints
