// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotMatrixRules.h"

#include "DotMatrixKit/DotGridLayout.h"
#include "DotMatrixKit/TimeFormatter.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>

namespace DotMatrixRules {
namespace {

const QString checkmarkText = QStringLiteral("\u2713");

constexpr qreal dimmedColonOpacity = 0.4;
constexpr double blinkHalfPeriod = 0.6;
constexpr qreal dimmedDisplayOpacity = 0.25;

} // namespace

QString displayText(const DotMatrixInputs& inputs)
{
    if (inputs.displayOverride)
        return *inputs.displayOverride;
    return TimeFormatter::format(inputs.time, inputs.timeFormat, inputs.showLeadingZero, inputs.referenceTime);
}

bool isCheckmarkMode(const DotMatrixInputs& inputs)
{
    return inputs.displayOverride == checkmarkText;
}

QString accessibleLabel(const DotMatrixInputs& inputs)
{
    if (inputs.accessibilityLabel)
        return *inputs.accessibilityLabel;
    return isCheckmarkMode(inputs) ? QStringLiteral("Timer complete") : QStringLiteral("Timer display");
}

Layout layout(const DotMatrixInputs& inputs)
{
    const DotGridLayout grid(inputs.style);
    if (isCheckmarkMode(inputs))
        return {grid.checkmarkPositions(inputs.digitScaling), grid.totalSize(u"00:00", inputs.digitScaling)};
    const QString text = displayText(inputs);
    return {grid.positions(text, inputs.digitScaling), grid.totalSize(text, inputs.digitScaling)};
}

qreal colonOpacity(ColonMode mode, QStringView text, platform::Date now)
{
    switch (mode) {
    case ColonMode::Always:
        return 1.0;
    case ColonMode::Pulsing: {
        const auto second = platform::saturatingCast<qint64>(now.secondsSinceReferenceDate());
        return second % 2 != 0 ? dimmedColonOpacity : 1.0;
    }
    case ColonMode::Contextual:
        return text.contains(u':') ? 1.0 : 0.0;
    }
    return 1.0;
}

qreal displayOpacity(bool blinkDisplay, platform::Date now)
{
    if (!blinkDisplay)
        return 1.0;
    const double phase = std::fmod(now.secondsSinceReferenceDate(), 2 * blinkHalfPeriod);
    return phase < blinkHalfPeriod ? 1.0 : dimmedDisplayOpacity;
}

DotMatrixState state(const DotMatrixInputs& inputs, platform::Date now)
{
    return {colonOpacity(inputs.colonMode, displayText(inputs), now), displayOpacity(inputs.blinkDisplay, now)};
}

std::optional<platform::Date> nextLookChange(const DotMatrixInputs& inputs, platform::Date now)
{
    const double t = now.secondsSinceReferenceDate();
    if (!std::isfinite(t))
        return std::nullopt;
    std::optional<double> next;
    const auto consider = [&](double candidate) { next = next ? std::min(*next, candidate) : candidate; };
    if (inputs.colonMode == ColonMode::Pulsing)
        consider(std::floor(t) + 1);
    if (inputs.blinkDisplay)
        consider((std::floor(t / blinkHalfPeriod) + 1) * blinkHalfPeriod);
    if (!next)
        return std::nullopt;
    return platform::Date::fromSecondsSinceReferenceDate(*next);
}

} // namespace DotMatrixRules
