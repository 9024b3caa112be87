// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/TimeFormatter.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <cmath>

namespace TimeFormatter {
namespace {

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Minutes are not capped and there is no hours field: an hour is 60:00.
// Seconds beyond the 64-bit range saturate rather than overflow.
QString standardText(double seconds)
{
    if (!(seconds > 0))
        return QStringLiteral("00:00");
    const auto whole = platform::saturatingCast<qint64>(std::floor(seconds));
    return twoDigits(whole / 60) + QLatin1Char(':') + twoDigits(whole % 60);
}

QString minimalText(double seconds, bool showLeadingZero, bool hasReferenceTime)
{
    if (!(seconds > 0))
        return showLeadingZero && hasReferenceTime ? QStringLiteral("00") : QStringLiteral("0");
    const auto minutes = platform::saturatingCast<qint64>(seconds / 60);
    if (showLeadingZero && minutes <= 9)
        return twoDigits(minutes);
    return QString::number(minutes);
}

} // namespace

QString format(double seconds, TimeFormat timeFormat, bool showLeadingZero, std::optional<double> referenceTime)
{
    switch (timeFormat) {
    case TimeFormat::Standard:
        return standardText(seconds);
    case TimeFormat::Minimal:
        return minimalText(seconds, showLeadingZero, referenceTime.has_value());
    }
    return standardText(seconds);
}

} // namespace TimeFormatter
