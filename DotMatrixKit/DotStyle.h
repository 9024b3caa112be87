// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotOptions.h"

#include <QtGlobal>

#include <optional>

// The gaps of a dot grid; those left out are derived from the nominal dot size.
struct DotSpacings {
    std::optional<qreal> horizontalSpacing = {}; // between two dot columns of one character
    std::optional<qreal> verticalSpacing = {}; // between two dot rows
    std::optional<qreal> gridPadding = {}; // margin on every side of the grid
    std::optional<qreal> characterSpacing = {}; // extra gap between two characters
};

// The geometry of a dot grid, in points, with the weight and shape of its dots.
class DotStyle {
public:
    constexpr DotStyle(qreal dotSize, DotWeight weight, DotShape dotShape, DotSpacings spacings = {})
        : m_dotSize(dotSize)
        , m_horizontalSpacing(spacings.horizontalSpacing.value_or(0.4 * dotSize))
        , m_verticalSpacing(spacings.verticalSpacing.value_or(0.4 * dotSize))
        , m_gridPadding(spacings.gridPadding.value_or(2.5 * dotSize))
        , m_characterSpacing(spacings.characterSpacing.value_or(dotSize))
        , m_weight(weight)
        , m_dotShape(dotShape)
    {
    }

    static constexpr DotStyle defaultStyle() { return DotStyle(3.5, DotWeight::Regular, DotShape::Rounded); }

    constexpr qreal dotSize() const { return m_dotSize; }
    constexpr qreal horizontalSpacing() const { return m_horizontalSpacing; }
    constexpr qreal verticalSpacing() const { return m_verticalSpacing; }
    constexpr qreal gridPadding() const { return m_gridPadding; }
    constexpr qreal characterSpacing() const { return m_characterSpacing; }
    constexpr DotWeight weight() const { return m_weight; }
    constexpr DotShape dotShape() const { return m_dotShape; }

    // The size every layout and drawing uses: the nominal size with the weight applied.
    constexpr qreal effectiveDotSize() const { return m_dotSize * scaleFactor(m_weight); }
    constexpr qreal cornerRadius() const { return m_dotShape == DotShape::Square ? 0.0 : effectiveDotSize() / 2; }

    friend constexpr bool operator==(const DotStyle&, const DotStyle&) = default;

private:
    qreal m_dotSize;
    qreal m_horizontalSpacing;
    qreal m_verticalSpacing;
    qreal m_gridPadding;
    qreal m_characterSpacing;
    DotWeight m_weight;
    DotShape m_dotShape;
};
