// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/intents/WidgetIntents.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"

namespace {

void enqueue(const IntentContext& context, const TimerCommand& command)
{
    if (context.queue)
        context.queue->enqueue(command);
}

void reload(const IntentContext& context)
{
    if (context.reloadAllTimelines)
        context.reloadAllTimelines();
}

} // namespace

void ToggleTimerIntent::perform(const IntentContext& context) const
{
    enqueue(context, TimerCommand::toggle());
    reload(context);
}

void SelectPresetIntent::perform(const IntentContext& context) const
{
    // Two entries, so the app has selected the preset before it starts.
    enqueue(context, TimerCommand::selectPreset(preset.id));
    enqueue(context, TimerCommand::start());
    reload(context);
}

void OpenSettingsIntent::perform(const IntentContext& context) const
{
    enqueue(context, TimerCommand::openSettings());
}

void SelectCustomPresetIntent::perform(const IntentContext& context) const
{
    enqueue(context, TimerCommand::selectPreset(QString(TimerPresetLibrary::Constants::customPresetID)));
}

TimerPresetEntity TimerWidgetConfigurationIntent::defaultPreset()
{
    return TimerPresetEntity::from(TimerPresetLibrary::preset(QString(TimerPresetLibrary::Constants::defaultPresetID),
                                                              TimerPresetLibrary::Constants::defaultCustomDuration));
}

void runIntent(const WidgetIntent& intent, const IntentContext& context)
{
    std::visit(
        [&](const auto& chosen) {
            chosen.perform(context);
            if (chosen.opensAppWhenRun && context.openApp)
                context.openApp();
        },
        intent);
}
