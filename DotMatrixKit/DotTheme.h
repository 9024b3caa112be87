// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The two colours of a dot display.
struct DotTheme {
    QColor dotColor; // lit dots
    QColor backgroundColor; // behind the grid

    static const DotTheme& defaultTheme(); // white on black
    static const DotTheme& light(); // black on white
};
