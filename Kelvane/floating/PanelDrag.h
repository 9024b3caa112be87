// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <optional>

// When a press on the panel becomes a drag: only once the pointer has moved
// the platform's drag distance with the button held. A tap, as a touchpad
// gives, never does, so the window manager is not asked to move a panel whose
// button is already up (it would follow the pointer until the next click).
class PanelDrag {
public:
    explicit PanelDrag(int dragDistance)
        : m_dragDistance(dragDistance)
    {
    }

    void press(QPoint at) { m_pressedAt = at; }
    void release() { m_pressedAt.reset(); }

    // The pointer is at `at` with the button held: where it was pressed, when
    // this makes the press a drag, once; none otherwise.
    std::optional<QPoint> moveTo(QPoint at);

private:
    int m_dragDistance;
    std::optional<QPoint> m_pressedAt;
};
