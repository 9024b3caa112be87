// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetLook.h"

#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "DotMatrixKit/PhaseStrip.h"
#include "DotMatrixKit/TimeFormatter.h"

using namespace Qt::Literals::StringLiterals;

namespace TimerWidgetLook {

double displayTime(const WidgetTimerState& state)
{
    if (state.direction == TimerDirection::CountUp)
        return state.elapsed;
    if (state.mode == TimerMode::Idle)
        return state.remaining == 0 ? state.duration : state.remaining;
    return state.remaining;
}

QString completionText(const TimerWidgetEntry& entry)
{
    const WidgetAppearanceSettings& appearance = entry.appearanceSettings;
    if (appearance.completionDisplayBehavior == CompletionBehavior::ShowCheckmark)
        return u"\u2713"_s;
    return TimeFormatter::format(0, appearance.timeFormat, appearance.showLeadingZero, entry.timerState.duration);
}

QString statusText(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Idle:
        return u"Timer"_s;
    case TimerMode::Running:
        return u"Running"_s;
    case TimerMode::Paused:
        return u"Paused"_s;
    case TimerMode::Completed:
        return u"Complete"_s;
    }
    return {};
}

QString timeText(const TimerWidgetEntry& entry)
{
    if (entry.timerState.isCompleted())
        return completionText(entry);
    const WidgetAppearanceSettings& appearance = entry.appearanceSettings;
    return TimeFormatter::format(displayTime(entry.timerState), appearance.timeFormat, appearance.showLeadingZero,
                                 entry.timerState.duration);
}

DotStyle dotStyle(WidgetFamily family, const WidgetAppearanceSettings& appearance)
{
    return DotStyle(family == WidgetFamily::Small ? 4.5 : 5.0, appearance.dotWeight, appearance.dotShape);
}

std::optional<std::vector<WidgetPhaseIndicator>> phaseIndicators(const WidgetTimerState& state)
{
    if (!state.pomodoroActive)
        return std::nullopt;
    std::vector<WidgetPhaseIndicator> row;
    const auto phases = state.pomodoroPhaseSequence();
    for (qsizetype i = 0; i < phases.size(); ++i) {
        const QColor color = phases[i] == WidgetPomodoroPhase::Work ? phaseWorkColor : phaseBreakColor;
        const auto where = i < state.pomodoroPhaseIndex ? PhaseIndicator::State::Completed
            : i == state.pomodoroPhaseIndex             ? PhaseIndicator::State::Active
                                                        : PhaseIndicator::State::Future;
        row.push_back({static_cast<int>(i), color, phaseOpacity(where)});
    }
    return row;
}

std::optional<std::vector<QColor>> dotColorPalette(const WidgetAppearanceSettings& appearance)
{
    const auto palette = WidgetThemeLibrary::resolvedPalette(appearance);
    if (!palette)
        return std::nullopt;
    const auto colors = palette->colors();
    return std::vector<QColor>(colors.begin(), colors.end());
}

WidgetDotMatrixInputs dotMatrixInputs(const TimerWidgetEntry& entry, WidgetFamily family,
                                      WidgetRenderingMode renderingMode)
{
    const WidgetAppearanceSettings& appearance = entry.appearanceSettings;
    WidgetDotMatrixInputs inputs;
    inputs.time = displayTime(entry.timerState);
    inputs.style = dotStyle(family, appearance);
    inputs.colonMode = appearance.colonMode;
    inputs.theme = WidgetThemeLibrary::resolvedTheme(appearance);
    if (entry.timerState.isCompleted())
        inputs.displayOverride = completionText(entry);
    inputs.timeFormat = appearance.timeFormat;
    inputs.showLeadingZero = appearance.showLeadingZero;
    inputs.referenceTime = entry.timerState.duration;
    inputs.isTintedMode = renderingMode != WidgetRenderingMode::FullColor;
    inputs.phaseIndicators = phaseIndicators(entry.timerState);
    inputs.dotColorPalette = dotColorPalette(appearance);
    return inputs;
}

TimerPresetEntity presetEntity(const QString& id)
{
    // An unknown id falls back to the first preset's length but keeps its id.
    TimerPresetEntity entity
        = TimerPresetEntity::from(TimerPresetLibrary::preset(id, TimerPresetLibrary::Constants::defaultCustomDuration));
    entity.id = id;
    return entity;
}

} // namespace TimerWidgetLook
