// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/audio/EventSoundPlayer.h"

struct ca_context;

namespace platform {

// Event sounds through libcanberra, which finds them in the user's sound
// theme and falls back to the freedesktop one.
class CanberraEventSoundPlayer final : public EventSoundPlayer {
public:
    CanberraEventSoundPlayer();
    ~CanberraEventSoundPlayer() override;
    CanberraEventSoundPlayer(const CanberraEventSoundPlayer&) = delete;
    CanberraEventSoundPlayer& operator=(const CanberraEventSoundPlayer&) = delete;

    bool play(const QString& eventId) override;

private:
    ca_context* m_context = nullptr;
};

} // namespace platform
