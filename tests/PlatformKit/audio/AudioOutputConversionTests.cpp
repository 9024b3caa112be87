// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioOutputConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

using platform::AudioDeviceFormat;
using platform::convertForDevice;
using Kind = AudioDeviceFormat::SampleKind;

namespace {

template <typename T>
std::vector<T> decoded(const QByteArray& bytes)
{
    std::vector<T> values(static_cast<std::size_t>(bytes.size()) / sizeof(T));
    std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(T));
    return values;
}

TEST(AudioOutputConversion, MonoFloatAtTheSameRateIsCopied)
{
    const std::vector<float> mono{0.0f, 0.5f, -0.25f, 1.0f};
    const auto bytes = convertForDevice(mono, 44100, {44100, 1, Kind::Float});
    EXPECT_EQ(decoded<float>(bytes), mono);
}

struct SampleCase {
    Kind kind;
    float input;
    double expected;
};

class SampleKindTest : public ::testing::TestWithParam<SampleCase> { };

// Every kind, with clipping and NaN, on two channels that must hold the same.
TEST_P(SampleKindTest, ScalesClipsAndCopiesToEveryChannel)
{
    const auto& c = GetParam();
    const std::vector<float> mono{c.input};
    const auto bytes = convertForDevice(mono, 44100, {44100, 2, c.kind});
    ASSERT_EQ(bytes.size(), 2 * platform::bytesPerSample(c.kind));
    const auto check = [&](auto values) {
        ASSERT_EQ(values.size(), 2u);
        EXPECT_EQ(double(values[0]), c.expected);
        EXPECT_EQ(values[1], values[0]);
    };
    switch (c.kind) {
    case Kind::UInt8:
        check(decoded<std::uint8_t>(bytes));
        break;
    case Kind::Int16:
        check(decoded<std::int16_t>(bytes));
        break;
    case Kind::Int32:
        check(decoded<std::int32_t>(bytes));
        break;
    case Kind::Float:
        check(decoded<float>(bytes));
        break;
    }
}

const float nan = std::numeric_limits<float>::quiet_NaN();
const float inf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Kinds, SampleKindTest,
                         ::testing::Values(SampleCase{Kind::UInt8, 0.0f, 128}, SampleCase{Kind::UInt8, 1.0f, 255},
                                           SampleCase{Kind::UInt8, -1.0f, 1}, SampleCase{Kind::UInt8, nan, 128},
                                           SampleCase{Kind::Int16, 0.5f, 16384}, SampleCase{Kind::Int16, -2.0f, -32767},
                                           SampleCase{Kind::Int16, inf, 32767},
                                           SampleCase{Kind::Int32, 1.0f, 2147483647},
                                           SampleCase{Kind::Int32, -inf, -2147483647},
                                           SampleCase{Kind::Float, 3.0f, 1.0}, SampleCase{Kind::Float, nan, 0.0}));

TEST(AudioOutputConversion, ResamplesByLinearInterpolation)
{
    const std::vector<float> ramp{0.0f, 0.2f, 0.4f, 0.6f};
    const auto doubled = decoded<float>(convertForDevice(ramp, 44100, {88200, 1, Kind::Float}));
    ASSERT_EQ(doubled.size(), 8u);
    const std::vector<float> expected{0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.6f};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(doubled[i], expected[i], 1e-6) << i;

    // A tick of 220 frames at 48 kHz lasts as long: 239.5 frames, rounded.
    const std::vector<float> tick(220, 0.1f);
    EXPECT_EQ(decoded<float>(convertForDevice(tick, 44100, {48000, 1, Kind::Float})).size(), 239u);
}

TEST(AudioOutputConversion, UnplayableInputsGiveNothing)
{
    const std::vector<float> mono{0.5f};
    EXPECT_TRUE(convertForDevice({}, 44100, {44100, 1, Kind::Float}).isEmpty());
    EXPECT_TRUE(convertForDevice(mono, 0, {44100, 1, Kind::Float}).isEmpty());
    EXPECT_TRUE(convertForDevice(mono, 44100, {0, 1, Kind::Float}).isEmpty());
    EXPECT_TRUE(convertForDevice(mono, 44100, {44100, 0, Kind::Float}).isEmpty());
    // A rate so high that the buffer would not fit in memory.
    EXPECT_TRUE(convertForDevice(mono, 1, {std::numeric_limits<int>::max(), 8, Kind::Float}).isEmpty());
}

} // namespace
