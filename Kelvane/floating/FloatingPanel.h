// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/floating/PanelDrag.h"

#include <QWidget>

class FloatingDisplayView;

// The window around the floating display: frameless and translucent, above
// other windows, on every workspace, out of the taskbar and pager, shown
// without taking the keyboard focus; a press on its background drags it once
// the pointer moves. Without a compositor it is clipped to the card's rounded
// shape, so no square corners show.
class FloatingPanel final : public QWidget {
    Q_OBJECT

public:
    // Takes the view as its content.
    explicit FloatingPanel(FloatingDisplayView* view);

    FloatingDisplayView& view() const { return *m_view; }

    // Shown at `frame` (top-left corner and size), without activating.
    void showAt(const QRect& frame);
    // Brought above the other windows, still without the focus.
    void bringToFront();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateMask();
    static bool mustAskCompositorToMove();

    FloatingDisplayView* m_view;
    bool m_composited = true;
    PanelDrag m_drag;
    // Where the press was, from the panel's top-left corner.
    QPoint m_grabOffset;
    // The pointer is dragging the panel along.
    bool m_following = false;
};
