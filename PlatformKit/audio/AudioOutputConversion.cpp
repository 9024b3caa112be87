// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioOutputConversion.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform {
namespace {

float clipped(float sample)
{
    if (std::isnan(sample))
        return 0.0f;
    return std::clamp(sample, -1.0f, 1.0f);
}

// Writes one sample at `out` and returns the position after it.
char* writeSample(char* out, float sample, AudioDeviceFormat::SampleKind kind)
{
    const double value = clipped(sample);
    switch (kind) {
    case AudioDeviceFormat::SampleKind::UInt8: {
        const auto byte = saturatingCast<std::uint8_t>(std::round(value * 127.0) + 128.0);
        std::memcpy(out, &byte, sizeof byte);
        return out + sizeof byte;
    }
    case AudioDeviceFormat::SampleKind::Int16: {
        const auto word = saturatingCast<std::int16_t>(std::round(value * 32767.0));
        std::memcpy(out, &word, sizeof word);
        return out + sizeof word;
    }
    case AudioDeviceFormat::SampleKind::Int32: {
        const auto word = saturatingCast<std::int32_t>(std::round(value * 2147483647.0));
        std::memcpy(out, &word, sizeof word);
        return out + sizeof word;
    }
    case AudioDeviceFormat::SampleKind::Float: {
        const auto real = static_cast<float>(value);
        std::memcpy(out, &real, sizeof real);
        return out + sizeof real;
    }
    }
    return out;
}

// The sample at fractional position `position`, between its two neighbours.
float interpolated(std::span<const float> samples, double position)
{
    const auto last = samples.size() - 1;
    const auto index = std::min(static_cast<std::size_t>(position), last);
    const double fraction = position - static_cast<double>(index);
    const double a = clipped(samples[index]);
    const double b = clipped(samples[std::min(index + 1, last)]);
    return static_cast<float>(a + (b - a) * fraction);
}

} // namespace

int bytesPerSample(AudioDeviceFormat::SampleKind kind)
{
    switch (kind) {
    case AudioDeviceFormat::SampleKind::UInt8:
        return 1;
    case AudioDeviceFormat::SampleKind::Int16:
        return 2;
    case AudioDeviceFormat::SampleKind::Int32:
    case AudioDeviceFormat::SampleKind::Float:
        return 4;
    }
    return 4;
}

char silenceByte(AudioDeviceFormat::SampleKind kind)
{
    return kind == AudioDeviceFormat::SampleKind::UInt8 ? static_cast<char>(0x80) : '\0';
}

QByteArray convertForDevice(std::span<const float> mono, int sourceRate, const AudioDeviceFormat& format)
{
    if (mono.empty() || sourceRate <= 0 || format.sampleRate <= 0 || format.channelCount <= 0)
        return {};
    const double step = static_cast<double>(sourceRate) / format.sampleRate;
    const auto frames
        = std::max<qint64>(1, saturatingCast<qint64>(std::round(static_cast<double>(mono.size()) / step)));
    const qint64 frameBytes = qint64(bytesPerSample(format.sampleKind)) * format.channelCount;
    // A tick is milliseconds long; refuse sizes no sound buffer should have.
    if (frames > (qint64(1) << 30) / frameBytes)
        return {};

    QByteArray bytes(frames * frameBytes, Qt::Uninitialized);
    char* out = bytes.data();
    for (qint64 frame = 0; frame < frames; ++frame) {
        const float sample = sourceRate == format.sampleRate ? clipped(mono[static_cast<std::size_t>(frame)])
                                                             : interpolated(mono, static_cast<double>(frame) * step);
        for (int channel = 0; channel < format.channelCount; ++channel)
            out = writeSample(out, sample, format.sampleKind);
    }
    return bytes;
}

} // namespace platform
