// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/intents/TimerPresetEntity.h"
#include "widget-extension/provider/TimerWidgetEntry.h"
#include "widget-extension/views/WidgetFamily.h"

#include "shared-ui/desktopwidget/WidgetDotMatrixLayout.h"
#include "shared-ui/looks/PomodoroPhaseColors.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

// What the widget view derives from an entry before it draws; pure.
namespace TimerWidgetLook {

// Mid grey for secondary text, inactive controls and the error outline.
inline const QColor widgetSecondaryColor = QColor::fromRgbF(0.55f, 0.55f, 0.55f, 1.0f);
// The green of work phases and yellow of breaks, as the program draws them.
inline const QColor phaseWorkColor = PomodoroPhaseColors::work();
inline const QColor phaseBreakColor = PomodoroPhaseColors::pause();

// Seconds to show: the elapsed time of a count-up; an idle countdown's
// remaining time, or its duration when nothing remains; else the remaining time.
double displayTime(const WidgetTimerState& state);
// "✓" under the checkmark behaviour, else the zero time against the duration.
QString completionText(const TimerWidgetEntry& entry);
// "Timer", "Running", "Paused" or "Complete".
QString statusText(TimerMode mode);
// The time text of the text display.
QString timeText(const TimerWidgetEntry& entry);

DotStyle dotStyle(WidgetFamily family, const WidgetAppearanceSettings& appearance);
// The Pomodoro cycle as the phase row shows it; none without a session.
std::optional<std::vector<WidgetPhaseIndicator>> phaseIndicators(const WidgetTimerState& state);
// The palette's colours when the digits are multicoloured; else none.
std::optional<std::vector<QColor>> dotColorPalette(const WidgetAppearanceSettings& appearance);
WidgetDotMatrixInputs dotMatrixInputs(const TimerWidgetEntry& entry, WidgetFamily family,
                                      WidgetRenderingMode renderingMode);

// The entity a quick-preset button starts: the app's preset with this id,
// any other id with the first preset's length.
TimerPresetEntity presetEntity(const QString& id);

} // namespace TimerWidgetLook
