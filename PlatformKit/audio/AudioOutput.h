// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace platform {

// Every buffer handed to an output is mono, 32-bit float, at this rate.
inline constexpr int audioSampleRate = 44100;

using AudioSamples = std::vector<float>;

// A sound output that plays queued buffers one after another and is silent
// when it has none.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Opens the output; false when there is none to play on, which is no
    // error. Starting again after a failure tries anew.
    virtual bool start() = 0;
    virtual void stop() = 0;
    // Plays `samples` after whatever is queued. Does nothing unless started.
    virtual void schedule(std::shared_ptr<const AudioSamples> samples) = 0;

protected:
    AudioOutput() = default;
    AudioOutput(const AudioOutput&) = default;
    AudioOutput& operator=(const AudioOutput&) = default;
};

using AudioOutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

} // namespace platform
