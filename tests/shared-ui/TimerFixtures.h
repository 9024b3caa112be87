// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Custom timers to edit in the tests.

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QString>

inline CustomTimerPhase testPhase(const QString& name, double seconds = 300, int colorIndex = 0)
{
    return {QUuid::createUuid(), name, seconds, colorIndex};
}

// A timer with `count` five-minute phases named "P1", "P2", ...
inline CustomTimer timerWithPhases(qsizetype count, const QString& name = QStringLiteral("Work"))
{
    CustomTimer timer{QUuid::createUuid(), name, {}, 2, platform::Date::fromSecondsSinceReferenceDate(750000000)};
    for (qsizetype i = 0; i < count; ++i)
        timer.phases.append(testPhase(QStringLiteral("P%1").arg(i + 1), 300, static_cast<int>(i % 8)));
    return timer;
}

inline QStringList phaseNames(const CustomTimer& timer)
{
    QStringList names;
    for (const auto& phase : timer.phases)
        names.append(phase.name);
    return names;
}
