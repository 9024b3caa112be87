// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/input/ShortcutKeys.h"

// The program's two global shortcuts: Control-Shift-T toggles the timer,
// Control-Shift-R resets it.
namespace hotkeys {

inline const QString toggleId = QStringLiteral("toggle");
inline const QString resetId = QStringLiteral("reset");

QList<platform::Shortcut> shortcuts();

} // namespace hotkeys
