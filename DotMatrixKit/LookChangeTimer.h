// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/Date.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

// Wakes a view when its time-driven look next changes by itself (a pulsing
// colon, a blink, a card in motion), so that it repaints then and only then.
// Each wake-up only asks for a repaint, which samples the clock, and then asks
// the view again when the look next changes. It sleeps while the view is not
// shown and while nothing changes by itself.
//
// It knows no widget: the owner hands it its clock and three closures (all
// required), kept private. The owner calls `reschedule` when what it shows changes or it is
// shown, and `stop` when it is hidden.
class LookChangeTimer : public QObject {
    Q_OBJECT

public:
    using IsShown = std::function<bool()>;
    // When the look next changes after `now`, or none when it does not.
    using NextLookChange = std::function<std::optional<platform::Date>(platform::Date now)>;
    using Repaint = std::function<void()>;

    LookChangeTimer(platform::Clock clock, IsShown isShown, NextLookChange nextLookChange, Repaint repaint,
                    QObject* parent = nullptr);

    // Waits for the next change from the clock's now, if the view is shown and
    // anything changes; replaces any wait under way.
    void reschedule();
    void stop();

private:
    platform::Clock m_clock;
    IsShown m_isShown;
    NextLookChange m_nextLookChange;
    Repaint m_repaint;
    QTimer m_timer{this};
};
