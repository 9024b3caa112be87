// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/audio/TickStyle.h"
#include "TimerCoreKit/audio/TickSynthesis.h"

#include "PlatformKit/audio/AudioOutput.h"

#include <memory>

// Plays the synthesised tick of the chosen style, once per call to `tick`.
// The output is opened on the first tick and held until `stop` or until the
// style is set to none. A tick that cannot be played is silently dropped; the
// next one tries again. Use from one thread.
class TickSoundGenerator {
public:
    // `makeOutput` opens the output (the program passes
    // platform::systemAudioOutput), first called on the first tick; an empty
    // factory or one that gives no output means silence.
    explicit TickSoundGenerator(platform::AudioOutputFactory makeOutput,
                                TickSynthesis::UniformSource uniform = TickSynthesis::systemUniform);
    ~TickSoundGenerator();
    TickSoundGenerator(const TickSoundGenerator&) = delete;
    TickSoundGenerator& operator=(const TickSoundGenerator&) = delete;

    TickStyle style() const { return m_style; }
    // A new style gets a fresh buffer (so new noise) at once; none stops the
    // output.
    void setStyle(TickStyle style);

    // The output has been started and not stopped since.
    bool isRunning() const { return m_isRunning; }
    // The buffer every tick plays until the style changes.
    std::shared_ptr<const platform::AudioSamples> tickBuffer() const { return m_tickBuffer; }

    void tick();
    // Closes the output; the buffer stays.
    void stop();

private:
    void startOutput();
    std::shared_ptr<const platform::AudioSamples> synthesize(TickStyle style) const;

    platform::AudioOutputFactory m_makeOutput;
    TickSynthesis::UniformSource m_uniform;
    TickStyle m_style = TickStyle::None;
    bool m_isRunning = false;
    std::unique_ptr<platform::AudioOutput> m_output;
    std::shared_ptr<const platform::AudioSamples> m_tickBuffer;
};
