// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace platform {

// Plays a named event sound of the desktop's sound theme.
class EventSoundPlayer {
public:
    virtual ~EventSoundPlayer() = default;
    // False when the sound cannot be played: no such sound in the theme, no
    // sound server or device, event sounds turned off.
    virtual bool play(const QString& eventId) = 0;

protected:
    EventSoundPlayer() = default;
};

// The freedesktop sound theme through libcanberra.
std::unique_ptr<EventSoundPlayer> makeThemeSoundPlayer();

} // namespace platform
