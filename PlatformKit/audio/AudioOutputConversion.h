// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <span>

namespace platform {

// The sample layout a device plays: interleaved frames of `channelCount`
// samples, each of `sampleKind`.
struct AudioDeviceFormat {
    enum class SampleKind { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channelCount = 0;
    SampleKind sampleKind = SampleKind::Float;

    friend bool operator==(const AudioDeviceFormat&, const AudioDeviceFormat&) = default;
};

int bytesPerSample(AudioDeviceFormat::SampleKind kind);

// The byte that fills silence in this sample kind (unsigned 8-bit centres on 128).
char silenceByte(AudioDeviceFormat::SampleKind kind);

// `mono`, recorded at `sourceRate`, as the device's bytes: resampled by
// linear interpolation, copied to every channel, clipped to -1...1 (NaN as
// silence). Empty for an empty input or a format that cannot be played.
QByteArray convertForDevice(std::span<const float> mono, int sourceRate, const AudioDeviceFormat& format);

} // namespace platform
