// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Whether the minutes of a clock text are drawn larger than the seconds, as if
// seen in perspective. Not persisted.
class DigitScaling {
public:
    // Every character at scale 1.
    static constexpr DigitScaling uniform() { return DigitScaling(false, 1.0); }
    // The characters up to and including the first colon at `factor`, the rest at 1.
    static constexpr DigitScaling perspectiveMinutes(qreal factor) { return DigitScaling(true, factor); }

    constexpr bool isPerspective() const { return m_perspective; }
    // The scale of the minutes and the colon; 1 when uniform.
    constexpr qreal minutesScale() const { return m_factor; }

    // A perspective of factor 1 draws like uniform but is not the same choice.
    friend constexpr bool operator==(const DigitScaling&, const DigitScaling&) = default;

private:
    constexpr DigitScaling(bool perspective, qreal factor)
        : m_perspective(perspective)
        , m_factor(factor)
    {
    }

    bool m_perspective;
    qreal m_factor;
};
