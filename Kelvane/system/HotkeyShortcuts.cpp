// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/HotkeyShortcuts.h"

namespace hotkeys {

QList<platform::Shortcut> shortcuts()
{
    const platform::KeyModifiers controlShift = platform::KeyModifier::Control | platform::KeyModifier::Shift;
    return {
        {toggleId, QStringLiteral("Start, pause or resume the timer"), controlShift, U't'},
        {resetId, QStringLiteral("Reset the timer"), controlShift, U'r'},
    };
}

} // namespace hotkeys
