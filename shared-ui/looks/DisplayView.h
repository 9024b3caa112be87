// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayLookSettings.h"
#include "shared-ui/looks/DisplayRenderer.h"

#include "DotMatrixKit/LookChangeTimer.h"

#include "PlatformKit/core/Date.h"

#include <QWidget>

// The live display in a window: the chosen look drawn through the renderer
// factory, with the look's state kept from frame to frame and a repaint
// whenever the look changes by itself. Without adaptive fill the widget is
// exactly the look's natural size; with it, it takes the space it is offered
// and scales the look to fill it.
class DisplayView : public QWidget {
    Q_OBJECT

public:
    explicit DisplayView(platform::Clock clock = &platform::Date::now, QWidget* parent = nullptr);

    void setDisplay(DisplayType type, DisplayFrame frame, DisplayLookSettings settings = {});
    void setAdaptiveFill(bool adaptiveFill);

    DisplayType displayType() const { return m_type; }
    const DisplayFrame& frame() const { return m_frame; }
    bool adaptiveFill() const { return m_adaptiveFill; }
    const DisplayLookState& lookState() const { return m_state; }

    // The look's own size for the current frame, in points.
    QSizeF naturalSize() const;
    // Where the look's natural rectangle lands in a widget of this size.
    QTransform contentTransform(QSizeF widgetSize) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    DisplayType m_type = DisplayType::DotMatrix;
    DisplayFrame m_frame;
    DisplayLookSettings m_settings;
    bool m_adaptiveFill = false;
    DisplayLookState m_state;
    platform::Clock m_clock;
    // Wakes the view when the look next changes by itself.
    LookChangeTimer m_lookChanges;
};
