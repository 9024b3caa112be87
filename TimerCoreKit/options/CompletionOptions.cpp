// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/options/CompletionOptions.h"

#include "PlatformKit/core/OptionTable.h"

namespace {

using optiontable::rowFor;
using optiontable::text;

struct CompletionBehaviorRow {
    CompletionBehavior option;
    std::string_view displayName;
    std::string_view description;
};

constexpr std::array completionBehaviors{
    CompletionBehaviorRow{CompletionBehavior::FreezeAtZero, "Freeze at 00",
                          "Display freezes at 00 when the countdown finishes"},
    CompletionBehaviorRow{CompletionBehavior::ShowCheckmark, "Show Checkmark",
                          "Display shows a checkmark when the countdown finishes"},
    CompletionBehaviorRow{CompletionBehavior::BlinkDots, "Blink Dots", "Dots blink when the countdown finishes"},
    CompletionBehaviorRow{CompletionBehavior::PlayAnimation, "Play Animation",
                          "Play a pixel-art animation when the countdown finishes"},
};

struct CompletionSoundRow {
    CompletionSound option;
    std::string_view displayName;
    // Empty for the silent case.
    std::string_view systemSoundName;
};

constexpr std::array completionSounds{
    CompletionSoundRow{CompletionSound::None, "None", {}},
    CompletionSoundRow{CompletionSound::Glass, "Glass", "Glass"},
    CompletionSoundRow{CompletionSound::Ping, "Ping", "Ping"},
    CompletionSoundRow{CompletionSound::Pop, "Pop", "Pop"},
    CompletionSoundRow{CompletionSound::Purr, "Purr", "Purr"},
    CompletionSoundRow{CompletionSound::Hero, "Hero", "Hero"},
    CompletionSoundRow{CompletionSound::Tink, "Tink", "Tink"},
};

} // namespace

QString displayName(CompletionBehavior behavior)
{
    return text(rowFor(completionBehaviors, behavior).displayName);
}

QString description(CompletionBehavior behavior)
{
    return text(rowFor(completionBehaviors, behavior).description);
}

QString displayName(CompletionSound sound)
{
    return text(rowFor(completionSounds, sound).displayName);
}

std::optional<QString> systemSoundName(CompletionSound sound)
{
    const auto name = rowFor(completionSounds, sound).systemSoundName;
    if (name.empty())
        return std::nullopt;
    return text(name);
}
