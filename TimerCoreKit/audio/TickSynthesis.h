// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/TickStyle.h"

#include "PlatformKit/audio/AudioOutput.h"

#include <functional>
#include <optional>

// The tick sounds, synthesised: short mono float buffers at
// platform::audioSampleRate.
namespace TickSynthesis {

// A uniform random number in -1...1, drawn once per frame.
using UniformSource = std::function<float()>;

// Draws from the system's random generator.
float systemUniform();

// How many frames the tick of `style` lasts; 0 for none.
int frameCount(TickStyle style);

// The tick of `style`: decaying noise for mechanical and soft, a 1 kHz blip
// for digital. None for the silent style.
std::optional<platform::AudioSamples> samples(TickStyle style, const UniformSource& uniform = systemUniform);

} // namespace TickSynthesis
