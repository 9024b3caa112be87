// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayFrame.h"
#include "shared-ui/looks/DisplayLookSettings.h"

#include "TimerCoreKit/options/DisplayOptions.h"

#include <QWidget>

class DisplayView;

// The Appearance page's live display: "25:00", stopped, in the chosen look,
// style, format and colours, scaled to fill a rounded frame that shows the
// colour scheme's background.
class AppearancePreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int previewHeight = 96;

    explicit AppearancePreview(QWidget* parent = nullptr);

    void setDisplay(DisplayType type, const DisplayFrame& frame, const DisplayLookSettings& settings);
    DisplayView* display() const { return m_display; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DisplayView* m_display;
};
