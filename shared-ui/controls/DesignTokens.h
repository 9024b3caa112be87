// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings design kit's shared lengths (logical pixels) and shadows.

#include <QtGlobal>

namespace Spacing {
inline constexpr qreal xs = 4;
inline constexpr qreal sm = 8;
inline constexpr qreal md = 12;
inline constexpr qreal lg = 16;
inline constexpr qreal xl = 24;
inline constexpr qreal xxl = 32;
} // namespace Spacing

namespace CornerRadius {
inline constexpr qreal sm = 8;
inline constexpr qreal md = 12;
inline constexpr qreal lg = 18;
} // namespace CornerRadius

struct Shadow {
    qreal radius{};
    double opacity{};
};

namespace Elevation {
inline constexpr Shadow base{8, 0.06};
inline constexpr Shadow card{12, 0.08};
inline constexpr Shadow hero{24, 0.12};
inline constexpr Shadow selection{16, 0.2};
} // namespace Elevation
