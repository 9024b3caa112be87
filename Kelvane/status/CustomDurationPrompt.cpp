// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/CustomDurationPrompt.h"

#include <QRegularExpression>

#include <algorithm>

int CustomDurationPrompt::minutes(const QString& answer)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?)(\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(answer);
    if (!match.hasMatch())
        return minimumMinutes;
    const bool negative = match.captured(1) == QLatin1String("-");
    bool fits = false;
    const qlonglong magnitude = match.captured(2).toLongLong(&fits);
    // Digits past what a number holds are still far beyond either end.
    const qlonglong entered = fits ? (negative ? -magnitude : magnitude) : (negative ? -1 : maximumMinutes + 1);
    return static_cast<int>(std::clamp<qlonglong>(entered, minimumMinutes, maximumMinutes));
}
