// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/SoundManager.h"

#include "PlatformKit/audio/EventSoundPlayer.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The sound theme's event that stands for each completion sound, chosen by
// its character; none for the silent choice.
std::optional<QString> themeEventId(CompletionSound sound);

// Completion sounds from the desktop's sound theme; the system beep where
// the theme's sound cannot be played.
class ThemeSoundManager final : public SoundManager {
public:
    ThemeSoundManager(std::unique_ptr<platform::EventSoundPlayer> player, std::function<void()> beep);

    void play(CompletionSound sound) override;

private:
    std::unique_ptr<platform::EventSoundPlayer> m_player;
    std::function<void()> m_beep;
};
