// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/commands/TimerAction.h"

#include "Kelvane/app/DeepLinkAction.h"

#include "TimerCoreKit/commands/TimerCommand.h"
#include "TimerCoreKit/engine/TimerPreset.h"

#include <algorithm>

namespace {

using Kind = TimerAction::Kind;

TimerAction simple(Kind kind)
{
    return TimerAction{.kind = kind};
}

TimerAction selecting(const QString& presetID)
{
    return TimerAction{.kind = Kind::SelectPreset, .presetID = presetID};
}

bool isKnownPreset(const QString& id)
{
    // The ids are the same whatever the custom length is.
    const auto presets = TimerPresetLibrary::presets(TimerPresetLibrary::Constants::defaultCustomDuration);
    return std::any_of(presets.cbegin(), presets.cend(), [&](const TimerPreset& preset) { return preset.id == id; });
}

} // namespace

TimerAction TimerAction::of(const DeepLinkAction& link)
{
    switch (link.kind) {
    case DeepLinkAction::Kind::Open:
        return simple(Kind::Nothing);
    case DeepLinkAction::Kind::Settings:
        return simple(Kind::OpenSettings);
    case DeepLinkAction::Kind::Custom:
        return simple(Kind::AskCustomDuration);
    case DeepLinkAction::Kind::Toggle:
        return simple(Kind::Toggle);
    case DeepLinkAction::Kind::Start:
        return simple(Kind::Start);
    case DeepLinkAction::Kind::Pause:
        return simple(Kind::Pause);
    case DeepLinkAction::Kind::Reset:
        return simple(Kind::Reset);
    case DeepLinkAction::Kind::Preset:
        return isKnownPreset(link.presetID) ? selecting(link.presetID) : simple(Kind::Nothing);
    }
    return simple(Kind::Nothing);
}

TimerAction TimerAction::of(const TimerCommand& command)
{
    using Type = TimerCommand::CommandType;
    switch (command.type()) {
    case Type::Toggle:
        return simple(Kind::Toggle);
    case Type::Start:
        return simple(Kind::Start);
    case Type::Pause:
        return simple(Kind::Pause);
    case Type::Reset:
        return simple(Kind::Reset);
    case Type::SelectPreset:
        return command.presetID() == TimerPresetLibrary::Constants::customPresetID ? simple(Kind::AskCustomDuration)
                                                                                   : selecting(command.presetID());
    case Type::OpenSettings:
        return simple(Kind::OpenSettings);
    case Type::SkipPhase:
        return simple(Kind::SkipPhase);
    case Type::EnterTimerMode:
        return TimerAction{
            .kind = Kind::EnterTimerMode, .presetID = command.presetID(), .autoStart = command.autoStart()};
    case Type::StartPomodoro:
        return simple(Kind::StartPomodoro);
    case Type::StartCustomDuration:
        return TimerAction{.kind = Kind::StartCustomDuration, .seconds = command.seconds()};
    case Type::SwitchDirection:
        return simple(Kind::Nothing);
    }
    return simple(Kind::Nothing);
}
