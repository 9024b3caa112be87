// SPDX-License-Identifier: GPL-3.0-or-later
// The system audio output against a real PulseAudio server of the test's own,
// on a null sink whose monitor is recorded: what the output plays is what the
// recording holds.
#include "PlatformKit/audio/AudioOutputSink.h"

#include "support/PulseServer.h"
#include "support/RequiredTools.h"
#include "support/SampleEnergy.h"
#include "support/WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>

using namespace std::chrono_literals;
using platform::AudioOutput;
using platform::audioSampleRate;
using platform::AudioSamples;
using platform::test::energy;
using platform::test::MonitorRecording;
using platform::test::PulseServer;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

constexpr float toneAmplitude = 0.5f;
constexpr auto tickPeriod = 1000ms;

std::size_t samplesIn(std::chrono::milliseconds duration)
{
    return static_cast<std::size_t>(duration.count()) * audioSampleRate / 1000;
}

// A steady 1 kHz tone: the energy of every stretch of it is known.
std::shared_ptr<const AudioSamples> tone(std::chrono::milliseconds duration)
{
    auto samples = std::make_shared<AudioSamples>(samplesIn(duration));
    for (std::size_t i = 0; i < samples->size(); ++i)
        (*samples)[i] = toneAmplitude
            * static_cast<float>(std::sin(2.0 * std::numbers::pi * 1000.0 * static_cast<double>(i) / audioSampleRate));
    return samples;
}

double toneEnergy(std::size_t samples)
{
    return static_cast<double>(samples) * toneAmplitude * toneAmplitude / 2.0;
}

// Where each sound in `recording` starts: a sample well above silence after
// at least half a tick period of quiet.
std::vector<std::size_t> onsets(const std::vector<float>& recording)
{
    std::vector<std::size_t> result;
    const std::size_t quiet = samplesIn(tickPeriod / 2);
    std::optional<std::size_t> lastLoud;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (std::abs(recording[i]) < toneAmplitude / 10)
            continue;
        if (!lastLoud || i - *lastLoud > quiet)
            result.push_back(i);
        lastLoud = i;
    }
    return result;
}

class AudioOutputSinkOnPulse : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const auto missing = platform::test::firstMissingTool({"pulseaudio", "parec"}))
            GTEST_SKIP() << *missing << " is not on PATH; this test needs a real PulseAudio server";
        ASSERT_TRUE(m_directory.isValid());
        m_server.emplace(m_directory.path());
        ASSERT_TRUE(m_server->start()) << "the private PulseAudio server did not start";
    }

    // Schedules `first`, then `later` every tick period from now on.
    void startTicking(AudioOutput& output, std::shared_ptr<const AudioSamples> first,
                      std::shared_ptr<const AudioSamples> later)
    {
        output.schedule(std::move(first));
        QObject::connect(&m_ticker, &QTimer::timeout, [&output, later] { output.schedule(later); });
        m_ticker.start(tickPeriod);
    }

    QString path(const char* name) const { return m_directory.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_directory;
    std::optional<PulseServer> m_server;
    QTimer m_ticker;
};

TEST_F(AudioOutputSinkOnPulse, PlaysTheFirstTickWholeAndTicksAgainAfterTheServerRestarts)
{
    MonitorRecording before(path("before.raw"), audioSampleRate);
    ASSERT_TRUE(before.start());

    const auto output = platform::systemAudioOutput(QStringLiteral(KELVANE_AUDIO_MODULE))();
    ASSERT_NE(output, nullptr) << "the audio module did not load";
    ASSERT_TRUE(output->start()) << "no output on the private server";
    // The first tick is longer than the others, so losing it cannot pass
    // for playing it.
    const auto firstTick = tone(150ms);
    startTicking(*output, firstTick, tone(60ms));
    runEventLoop(3500ms);

    m_server->stop();
    before.stop();
    runEventLoop(1500ms);
    ASSERT_TRUE(m_server->start()) << "the private PulseAudio server did not start again";
    const auto returned = std::chrono::steady_clock::now();
    MonitorRecording after(path("after.raw"), audioSampleRate);
    ASSERT_TRUE(after.start());
    const auto recordingLag = std::chrono::steady_clock::now() - returned;
    runEventLoop(4000ms);
    m_ticker.stop();
    after.stop();

    const auto first = before.samples();
    const auto firstOnsets = onsets(first);
    ASSERT_FALSE(firstOnsets.empty()) << "nothing was heard before the restart";
    // Heard from its first loud sample on, and for all of its length.
    const auto firstLoud = onsets(*firstTick).front();
    EXPECT_NEAR(first[firstOnsets.front()], (*firstTick)[firstLoud], 0.01) << "the first tick lost its start";
    EXPECT_GE(energy(first, firstOnsets.front() - firstLoud, firstTick->size()), 0.99 * toneEnergy(firstTick->size()))
        << "the first tick was cut short";

    const auto second = after.samples();
    const auto secondOnsets = onsets(second);
    ASSERT_FALSE(secondOnsets.empty()) << "no tick was heard after the server came back";
    const auto backAfter = recordingLag + std::chrono::duration<double>(double(secondOnsets.front()) / audioSampleRate);
    EXPECT_LE(backAfter, 2 * tickPeriod + 300ms) << "ticks took too long to come back";
    EXPECT_GE(secondOnsets.size(), 3u) << "ticks did not keep coming after the server came back";
}

} // namespace
