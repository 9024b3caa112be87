// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/ThemeSoundManager.h"

std::optional<QString> themeEventId(CompletionSound sound)
{
    switch (sound) {
    case CompletionSound::None:
        return std::nullopt;
    case CompletionSound::Glass:
        return QStringLiteral("complete");
    case CompletionSound::Ping:
        return QStringLiteral("bell");
    case CompletionSound::Pop:
        return QStringLiteral("message-new-instant");
    case CompletionSound::Purr:
        return QStringLiteral("dialog-information");
    case CompletionSound::Hero:
        return QStringLiteral("alarm-clock-elapsed");
    case CompletionSound::Tink:
        return QStringLiteral("audio-volume-change");
    }
    return std::nullopt;
}

ThemeSoundManager::ThemeSoundManager(std::unique_ptr<platform::EventSoundPlayer> player, std::function<void()> beep)
    : m_player(std::move(player))
    , m_beep(std::move(beep))
{
}

void ThemeSoundManager::play(CompletionSound sound)
{
    const std::optional<QString> eventId = themeEventId(sound);
    if (!eventId)
        return;
    if (!m_player->play(*eventId))
        m_beep();
}
