// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/audio/TickSoundGenerator.h"

TickSoundGenerator::TickSoundGenerator(platform::AudioOutputFactory makeOutput, TickSynthesis::UniformSource uniform)
    : m_makeOutput(std::move(makeOutput))
    , m_uniform(std::move(uniform))
{
}

TickSoundGenerator::~TickSoundGenerator()
{
    if (m_output)
        m_output->stop();
}

void TickSoundGenerator::setStyle(TickStyle style)
{
    const TickStyle previous = m_style;
    m_style = style;
    if (style == TickStyle::None) {
        stop();
        return;
    }
    if (style == previous)
        return;
    m_tickBuffer = synthesize(style);
}

void TickSoundGenerator::tick()
{
    if (m_style == TickStyle::None)
        return;
    if (!m_isRunning)
        startOutput();
    if (!m_output)
        return;
    if (!m_tickBuffer) {
        m_tickBuffer = synthesize(m_style);
        if (!m_tickBuffer)
            return;
    }
    m_output->schedule(m_tickBuffer);
}

void TickSoundGenerator::stop()
{
    if (!m_isRunning)
        return;
    if (m_output)
        m_output->stop();
    m_output.reset();
    m_isRunning = false;
}

void TickSoundGenerator::startOutput()
{
    if (!m_output && m_makeOutput)
        m_output = m_makeOutput();
    m_isRunning = m_output && m_output->start();
}

std::shared_ptr<const platform::AudioSamples> TickSoundGenerator::synthesize(TickStyle style) const
{
    auto samples = TickSynthesis::samples(style, m_uniform);
    if (!samples)
        return nullptr;
    return std::make_shared<const platform::AudioSamples>(std::move(*samples));
}
