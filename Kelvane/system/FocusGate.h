// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/FocusStatusManager.h"
#include "Kelvane/system/SoundManager.h"

#include <functional>

// Holds back sounds and notifications while do-not-disturb is on and the user
// asked to respect it. The desktop is not asked when the setting is off.
class FocusGate {
public:
    FocusGate(std::function<bool()> respectFocusMode, const FocusStatusManager& focus)
        : m_respectFocusMode(std::move(respectFocusMode))
        , m_focus(focus)
    {
    }

    bool holds() const { return m_respectFocusMode() && m_focus.isFocused(); }

private:
    std::function<bool()> m_respectFocusMode;
    const FocusStatusManager& m_focus;
};

// A sound player behind the gate: what the sessions play their phase and
// cycle sounds through, so they are held back like the completion sound.
class FocusGatedSoundPlayer final : public SoundPlaying {
public:
    FocusGatedSoundPlayer(SoundPlaying& sounds, const FocusGate& gate)
        : m_sounds(sounds)
        , m_gate(gate)
    {
    }

    void play(CompletionSound sound) override
    {
        if (!m_gate.holds())
            m_sounds.play(sound);
    }

private:
    SoundPlaying& m_sounds;
    const FocusGate& m_gate;
};
