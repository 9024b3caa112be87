// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioStreamWatch.h"

#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::AudioStreamWatch;
using Verdict = AudioStreamWatch::Verdict;

namespace platform {

// Found by argument lookup, so failures name the verdict.
std::ostream& operator<<(std::ostream& out, AudioStreamWatch::Verdict verdict)
{
    switch (verdict) {
    case AudioStreamWatch::Verdict::Play:
        return out << "Play";
    case AudioStreamWatch::Verdict::Reopen:
        return out << "Reopen";
    case AudioStreamWatch::Verdict::Drop:
        return out << "Drop";
    }
    return out;
}

} // namespace platform

namespace {

// One sound scheduled `after` seconds past the one before, on a stream in
// the given state. On a Reopen verdict the new stream opens when `opens`.
struct Step {
    double after;
    bool failed;
    qint64 bytesRead;
    Verdict expected;
    bool opens = true;
};

struct WatchCase {
    std::string name;
    std::vector<Step> steps;
};

std::ostream& operator<<(std::ostream& out, const WatchCase& c)
{
    return out << c.name;
}

class AudioStreamWatchTest : public ::testing::TestWithParam<WatchCase> { };

// Drives the watch the way an output does: a stream opened at the start, then
// one check per scheduled sound, reopening when told to.
TEST_P(AudioStreamWatchTest, DecidesEachScheduledSound)
{
    FakeClock clock;
    AudioStreamWatch watch(clock.provider());
    watch.opened();
    for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
        const Step& step = GetParam().steps[i];
        SCOPED_TRACE(testing::Message() << "sound " << i);
        clock.advance(step.after);
        const Verdict verdict = watch.check(step.failed, step.bytesRead);
        EXPECT_EQ(verdict, step.expected);
        if (verdict == Verdict::Reopen && step.opens)
            watch.opened();
    }
}

const WatchCase watchCases[] = {
    {"a stream that keeps reading plays every sound",
     {{0.0, false, 0, Verdict::Play}, {1.0, false, 4410, Verdict::Play}, {1.0, false, 8820, Verdict::Play}}},
    {"a device that reads less often than the sounds come is still alive",
     {{1.5, false, 0, Verdict::Play},
      {1.5, false, 100, Verdict::Play},
      {1.5, false, 200, Verdict::Play},
      {1.9, false, 200, Verdict::Play}}},
    {"a failed stream is reopened by the next sound",
     {{1.0, false, 4410, Verdict::Play}, {1.0, true, 4410, Verdict::Reopen}, {1.0, false, 4410, Verdict::Play}}},
    {"while the server is away a try is made once per tick, not at every sound",
     {{0.0, true, 0, Verdict::Reopen, false},
      {0.5, true, 0, Verdict::Drop},
      {0.2, true, 0, Verdict::Drop},
      {0.3, true, 0, Verdict::Reopen, false},
      {1.0, true, 0, Verdict::Reopen, false},
      {1.0, true, 0, Verdict::Reopen},
      {0.1, false, 0, Verdict::Play}}},
    {"a device that stopped reading is taken for dead",
     {{0.5, false, 100, Verdict::Play},
      {1.0, false, 100, Verdict::Play},
      {1.0, false, 100, Verdict::Play},
      {0.1, false, 100, Verdict::Reopen}}},
    {"a new stream is watched from when it opened",
     {{2.5, false, 0, Verdict::Reopen},
      {1.0, false, 0, Verdict::Play},
      {1.0, false, 0, Verdict::Play},
      {1.0, false, 0, Verdict::Reopen}}},
    {"a clock set back neither holds off a retry nor looks like a stall",
     {{0.0, true, 0, Verdict::Reopen, false}, {-3600.0, true, 0, Verdict::Reopen}, {-3600.0, false, 0, Verdict::Play}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, AudioStreamWatchTest, ::testing::ValuesIn(watchCases),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

} // namespace
