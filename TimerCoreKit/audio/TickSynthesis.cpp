// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/audio/TickSynthesis.h"

#include <QRandomGenerator>

#include <cmath>
#include <numbers>

namespace TickSynthesis {
namespace {

// Every tick is an envelope e^(-decay t) times a source, scaled by `gain`.
struct TickShape {
    int frames;
    double decay;
    double gain;
    bool isNoise; // else a 1 kHz sine
};

std::optional<TickShape> shapeOf(TickStyle style)
{
    switch (style) {
    case TickStyle::None:
        return std::nullopt;
    case TickStyle::Mechanical:
        return TickShape{661, 300, 0.4, true};
    case TickStyle::Soft:
        return TickShape{352, 500, 0.15, true};
    case TickStyle::Digital:
        return TickShape{220, 400, 0.3, false};
    }
    return std::nullopt;
}

constexpr double sineFrequency = 1000;

} // namespace

float systemUniform()
{
    return static_cast<float>(QRandomGenerator::system()->generateDouble() * 2.0 - 1.0);
}

int frameCount(TickStyle style)
{
    const auto shape = shapeOf(style);
    return shape ? shape->frames : 0;
}

std::optional<platform::AudioSamples> samples(TickStyle style, const UniformSource& uniform)
{
    const auto shape = shapeOf(style);
    if (!shape)
        return std::nullopt;
    const UniformSource& draw = uniform ? uniform : UniformSource(systemUniform);
    platform::AudioSamples buffer(static_cast<std::size_t>(shape->frames));
    for (int i = 0; i < shape->frames; ++i) {
        const double t = i / static_cast<double>(platform::audioSampleRate);
        const double source
            = shape->isNoise ? static_cast<double>(draw()) : std::sin(2 * std::numbers::pi * sineFrequency * t);
        buffer[static_cast<std::size_t>(i)] = static_cast<float>(source * std::exp(-shape->decay * t) * shape->gain);
    }
    return buffer;
}

} // namespace TickSynthesis
