// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QList>
#include <QString>

#include <initializer_list>

// A custom timer with fresh ids: one phase per length, named "P1", "P2"… and
// coloured by their position.
inline CustomTimer sampleTimer(const QString& name, std::initializer_list<double> lengths, int rounds = 1)
{
    CustomTimer timer{QUuid::createUuid(), name, {}, rounds, platform::Date::fromSecondsSinceReferenceDate(7.25e8)};
    int number = 0;
    for (const double length : lengths) {
        ++number;
        timer.phases.append({QUuid::createUuid(), QStringLiteral("P%1").arg(number), length, number});
    }
    return timer;
}
