// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QUuid>

// One timed step of a cycle: what the sequencer counts down and what the views
// name and colour. A phase list repeated for several rounds holds the same
// values (same id) once per round.
struct Phase {
    QUuid id;
    QString name;
    double duration = 0;
    QColor color;
    bool isBreak = false;

    friend bool operator==(const Phase&, const Phase&) = default;
};
