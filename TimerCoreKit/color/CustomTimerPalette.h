// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>

// The eight colours a custom-timer phase can take, by index. The first three
// are also the Pomodoro work, break and long-break colours.
namespace CustomTimerPalette {

inline constexpr int colorCount = 8;

// Built once, on first use.
const QList<QColor>& colors();
// Any index is accepted; one outside the palette gives colour 0.
QColor color(int index);

} // namespace CustomTimerPalette
