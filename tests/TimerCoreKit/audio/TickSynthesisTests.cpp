// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/audio/TickSynthesis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double rate = 44100;

struct ShapeCase {
    TickStyle style;
    int frames;
    double decay;
    double gain;
};

class NoiseTickTest : public ::testing::TestWithParam<ShapeCase> { };

// With the noise pinned at 1 the samples are the envelope itself, exactly as
// the float of the double-precision product.
TEST_P(NoiseTickTest, IsTheDecayingEnvelopeTimesTheNoise)
{
    const auto& shape = GetParam();
    const auto samples = TickSynthesis::samples(shape.style, [] { return 1.0f; });
    ASSERT_TRUE(samples);
    ASSERT_EQ(samples->size(), std::size_t(shape.frames));
    EXPECT_EQ(TickSynthesis::frameCount(shape.style), shape.frames);
    for (int i = 0; i < shape.frames; ++i) {
        const float expected = static_cast<float>(std::exp(-shape.decay * (i / rate)) * shape.gain);
        ASSERT_EQ((*samples)[std::size_t(i)], expected) << "frame " << i;
    }
}

TEST_P(NoiseTickTest, FreshNoiseStaysWithinTheGain)
{
    const auto& shape = GetParam();
    const auto first = TickSynthesis::samples(shape.style);
    const auto second = TickSynthesis::samples(shape.style);
    ASSERT_TRUE(first && second);
    for (const float sample : *first)
        ASSERT_LE(std::abs(sample), shape.gain);
    EXPECT_NE(*first, *second) << "noise is drawn afresh for every buffer";
}

TEST_P(NoiseTickTest, DrawsOneRandomNumberPerFrame)
{
    int draws = 0;
    const auto samples = TickSynthesis::samples(GetParam().style, [&] { return ++draws % 2 ? -1.0f : 1.0f; });
    ASSERT_TRUE(samples);
    EXPECT_EQ(draws, GetParam().frames);
    EXPECT_LT((*samples)[0], 0.0f);
    EXPECT_GT((*samples)[1], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Styles, NoiseTickTest,
                         ::testing::Values(ShapeCase{TickStyle::Mechanical, 661, 300, 0.4},
                                           ShapeCase{TickStyle::Soft, 352, 500, 0.15}),
                         [](const auto& testCase) { return id(testCase.param.style).toStdString(); });

TEST(DigitalTickTest, IsADecaying1kHzSine)
{
    const auto samples = TickSynthesis::samples(TickStyle::Digital, [] { return 1.0f; });
    ASSERT_TRUE(samples);
    ASSERT_EQ(samples->size(), 220u);
    EXPECT_EQ((*samples)[0], 0.0f);
    for (std::size_t i = 0; i < samples->size(); ++i) {
        const double t = double(i) / rate;
        const auto expected = static_cast<float>(std::sin(2 * std::numbers::pi * 1000 * t) * std::exp(-400 * t) * 0.3);
        ASSERT_FLOAT_EQ((*samples)[i], expected) << "frame " << i;
    }
    // The envelope has fallen to about 0.137 by the last frame.
    EXPECT_NEAR(std::exp(-400 * 219 / rate), 0.137, 0.001);
}

TEST(DigitalTickTest, UsesNoRandomNumbers)
{
    int draws = 0;
    ASSERT_TRUE(TickSynthesis::samples(TickStyle::Digital, [&] { return float(++draws); }));
    EXPECT_EQ(draws, 0);
}

TEST(TickStyleTest, NoneHasNoSound)
{
    EXPECT_EQ(TickSynthesis::samples(TickStyle::None), std::nullopt);
    EXPECT_EQ(TickSynthesis::frameCount(TickStyle::None), 0);
}

TEST(TickStyleTest, RawStringsAndNamesAreStable)
{
    const std::array<std::pair<TickStyle, const char*>, 4> names{{{TickStyle::None, "None"},
                                                                  {TickStyle::Mechanical, "Mechanical"},
                                                                  {TickStyle::Soft, "Soft"},
                                                                  {TickStyle::Digital, "Digital"}}};
    ASSERT_EQ(platform::allCases<TickStyle>().size(), names.size());
    for (const auto& [style, name] : names) {
        EXPECT_EQ(displayName(style), QLatin1StringView(name));
        EXPECT_EQ(platform::fromRawValue<TickStyle>(id(style)), style);
        EXPECT_EQ(id(style), QString::fromLatin1(name).toLower());
    }
    EXPECT_EQ(platform::fromRawValue<TickStyle>(u"Digital"), std::nullopt);
}

} // namespace
