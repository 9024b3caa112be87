// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

#include <QString>

#include <optional>

// What happens when a countdown reaches zero: what the display does and which
// sound plays. The raw strings are what the settings store.

enum class CompletionBehavior { FreezeAtZero, ShowCheckmark, BlinkDots, PlayAnimation };

// The sound played when a countdown or a phase ends.
enum class CompletionSound { None, Glass, Ping, Pop, Purr, Hero, Tink };

template <>
struct platform::RawValues<CompletionBehavior> {
    static constexpr std::array cases{
        std::pair{CompletionBehavior::FreezeAtZero, std::string_view{"freezeAtZero"}},
        std::pair{CompletionBehavior::ShowCheckmark, std::string_view{"showCheckmark"}},
        std::pair{CompletionBehavior::BlinkDots, std::string_view{"blinkDots"}},
        std::pair{CompletionBehavior::PlayAnimation, std::string_view{"playAnimation"}},
    };
};

template <>
struct platform::RawValues<CompletionSound> {
    static constexpr std::array cases{
        std::pair{CompletionSound::None, std::string_view{"none"}},
        std::pair{CompletionSound::Glass, std::string_view{"glass"}},
        std::pair{CompletionSound::Ping, std::string_view{"ping"}},
        std::pair{CompletionSound::Pop, std::string_view{"pop"}},
        std::pair{CompletionSound::Purr, std::string_view{"purr"}},
        std::pair{CompletionSound::Hero, std::string_view{"hero"}},
        std::pair{CompletionSound::Tink, std::string_view{"tink"}},
    };
};

QString displayName(CompletionBehavior behavior);
QString description(CompletionBehavior behavior);

// A sound is identified by its raw string.
inline QString id(CompletionSound sound)
{
    return platform::rawValue(sound);
}
QString displayName(CompletionSound sound);
// The name of the alert sound to play; none for the silent case.
std::optional<QString> systemSoundName(CompletionSound sound);
