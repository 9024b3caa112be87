// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/audio/TickSoundGenerator.h"

#include "PlatformKit/audio/AudioOutputSink.h"

#include <gtest/gtest.h>

namespace {

// An output that records what it is asked to do.
struct OutputLog {
    int created = 0;
    int starts = 0;
    int stops = 0;
    bool startSucceeds = true;
    std::vector<std::shared_ptr<const platform::AudioSamples>> scheduled;
};

class FakeOutput final : public platform::AudioOutput {
public:
    explicit FakeOutput(std::shared_ptr<OutputLog> log)
        : m_log(std::move(log))
    {
        ++m_log->created;
    }
    bool start() override
    {
        ++m_log->starts;
        return m_log->startSucceeds;
    }
    void stop() override { ++m_log->stops; }
    void schedule(std::shared_ptr<const platform::AudioSamples> samples) override
    {
        m_log->scheduled.push_back(std::move(samples));
    }

private:
    std::shared_ptr<OutputLog> m_log;
};

class TickSoundGeneratorTest : public ::testing::Test {
protected:
    std::shared_ptr<OutputLog> log = std::make_shared<OutputLog>();
    TickSoundGenerator generator{[log = log] { return std::make_unique<FakeOutput>(log); }};
};

TEST_F(TickSoundGeneratorTest, SilentStyleOpensNothing)
{
    EXPECT_EQ(generator.style(), TickStyle::None);
    generator.tick();
    generator.stop();
    EXPECT_EQ(log->created, 0);
    EXPECT_FALSE(generator.isRunning());
    EXPECT_EQ(generator.tickBuffer(), nullptr);
}

TEST_F(TickSoundGeneratorTest, EveryTickPlaysTheSameBuffer)
{
    generator.setStyle(TickStyle::Digital);
    EXPECT_EQ(log->created, 0) << "a style alone opened the output";
    generator.tick();
    EXPECT_TRUE(generator.isRunning());
    generator.tick();
    ASSERT_EQ(log->scheduled.size(), 2u);
    EXPECT_EQ(log->scheduled[0], log->scheduled[1]);
    EXPECT_EQ(log->scheduled[0]->size(), 220u);
    EXPECT_EQ(log->created, 1);
    EXPECT_EQ(log->starts, 1);
}

TEST_F(TickSoundGeneratorTest, OnlyAChangeOfStyleMakesANewBuffer)
{
    generator.setStyle(TickStyle::Mechanical);
    const auto mechanical = generator.tickBuffer();
    ASSERT_NE(mechanical, nullptr);
    EXPECT_EQ(mechanical->size(), 661u);
    generator.setStyle(TickStyle::Mechanical);
    EXPECT_EQ(generator.tickBuffer(), mechanical);
    generator.setStyle(TickStyle::Soft);
    ASSERT_NE(generator.tickBuffer(), nullptr);
    EXPECT_EQ(generator.tickBuffer()->size(), 352u);
}

TEST_F(TickSoundGeneratorTest, ChangingStyleKeepsTheOutputRunning)
{
    generator.setStyle(TickStyle::Soft);
    generator.tick();
    generator.setStyle(TickStyle::Digital);
    generator.tick();
    EXPECT_TRUE(generator.isRunning());
    EXPECT_EQ(log->stops, 0);
    ASSERT_EQ(log->scheduled.size(), 2u);
    EXPECT_EQ(log->scheduled[1]->size(), 220u);
}

TEST_F(TickSoundGeneratorTest, SilentStyleStopsAndTheNextTickStartsAnew)
{
    generator.setStyle(TickStyle::Digital);
    generator.tick();
    generator.setStyle(TickStyle::None);
    EXPECT_FALSE(generator.isRunning());
    EXPECT_EQ(log->stops, 1);
    generator.tick();
    EXPECT_EQ(log->scheduled.size(), 1u) << "no tick in the silent style";

    generator.setStyle(TickStyle::Digital);
    generator.tick();
    EXPECT_TRUE(generator.isRunning());
    EXPECT_EQ(log->created, 2);
    EXPECT_EQ(log->scheduled.size(), 2u);
}

TEST_F(TickSoundGeneratorTest, StopKeepsTheBuffer)
{
    generator.setStyle(TickStyle::Soft);
    generator.tick();
    const auto buffer = generator.tickBuffer();
    generator.stop();
    EXPECT_FALSE(generator.isRunning());
    EXPECT_EQ(generator.tickBuffer(), buffer);
    generator.tick();
    EXPECT_EQ(log->scheduled.back(), buffer);
}

TEST_F(TickSoundGeneratorTest, OutputThatWillNotStartIsTriedOnEveryTick)
{
    log->startSucceeds = false;
    generator.setStyle(TickStyle::Digital);
    generator.tick();
    generator.tick();
    EXPECT_FALSE(generator.isRunning());
    EXPECT_EQ(log->created, 1) << "the output is kept and started again";
    EXPECT_EQ(log->starts, 2);

    log->startSucceeds = true;
    generator.tick();
    EXPECT_TRUE(generator.isRunning());
}

TEST(TickSoundGeneratorWithoutOutput, TicksInSilence)
{
    TickSoundGenerator generator([] { return std::unique_ptr<platform::AudioOutput>(); });
    generator.setStyle(TickStyle::Mechanical);
    generator.tick();
    EXPECT_FALSE(generator.isRunning());
    generator.stop();
}

TEST(TickSoundGeneratorOnThisMachine, NeverFailsOrHangsWhateverTheDevice)
{
    // The real output: the test runs without a sound server, so this is the
    // no-device path; on a machine with one it plays a quiet blip.
    TickSoundGenerator generator(platform::systemAudioOutput(QStringLiteral(KELVANE_AUDIO_MODULE)));
    generator.setStyle(TickStyle::Digital);
    generator.tick();
    generator.tick();
    generator.setStyle(TickStyle::None);
    EXPECT_FALSE(generator.isRunning());
}

TEST(TickSoundGeneratorDestruction, StopsItsOutput)
{
    auto log = std::make_shared<OutputLog>();
    {
        TickSoundGenerator generator([log] { return std::make_unique<FakeOutput>(log); });
        generator.setStyle(TickStyle::Digital);
        generator.tick();
    }
    EXPECT_EQ(log->stops, 1);
}

} // namespace
