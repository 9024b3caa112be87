// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// One segment of the phase strip under the digits: a phase of the running
// session in its colour, marked by where it stands.
struct PhaseIndicator {
    enum class State { Future, Active, Completed };

    QColor color;
    State state = State::Future;

    friend bool operator==(const PhaseIndicator&, const PhaseIndicator&) = default;
};
