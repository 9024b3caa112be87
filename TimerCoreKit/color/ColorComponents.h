// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// An sRGB colour as stored: red, green and blue from 0 to 1 and alpha as
// opacity from 0 to 1.
struct ColorComponents {
    double r{};
    double g{};
    double b{};
    double a{};

    friend bool operator==(const ColorComponents&, const ColorComponents&) = default;
};

// Stored components are kept as they came; whatever reads them as a colour
// pins each into 0...1 first, with NaN read as 0. Out-of-range values would
// otherwise leave the sRGB gamut (and a huge one cannot even become a float).
double clampedComponent(double value);

// The drawing colour of the components, in sRGB.
QColor srgbColor(const ColorComponents& components);
