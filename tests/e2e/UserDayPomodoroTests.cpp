// SPDX-License-Identifier: GPL-3.0-or-later
// A Pomodoro on a user's day: work gives way to a break and the break to work,
// with the phase strip in the tray. Its phases are 25 and 5 minutes long; the
// test stores a cycle with one minute left of a phase before each launch, as
// the program leaves one it was quit in.
#include "UserDayFixture.h"

#include "shared-ui/looks/PomodoroPhaseColors.h"

#include <algorithm>

namespace userday {

namespace {

constexpr double minuteLeft = 60;

// Whether the most colourful pixel of `image`, the active phase's mark in
// the strip, has the hue of `color` (the strip's marks are smoothed into the
// panel, so their exact colour varies). Colourful is far from grey, not only
// saturated: a faint mark over the digits' dark rim is a dark pixel of full
// saturation and next to no colour.
bool mostVividIs(const QImage& image, const QColor& color)
{
    const auto chroma = [](const QColor& pixel) {
        return std::max({pixel.red(), pixel.green(), pixel.blue()})
            - std::min({pixel.red(), pixel.green(), pixel.blue()});
    };
    QColor vivid;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (!vivid.isValid() || chroma(pixel) > chroma(vivid))
                vivid = pixel;
        }
    }
    return vivid.isValid() && chroma(vivid) > 100 && std::abs(vivid.hsvHue() - color.hsvHue()) < 20;
}

bool runsPhase(const std::optional<TimerStateSnapshot>& snapshot, double duration)
{
    return snapshot && snapshot->mode == TimerMode::Running && snapshot->duration == duration;
}

} // namespace

class UserDayPomodoro : public UserDay {
protected:
    // A cycle at phase `index`, paused with a minute of its `duration` left.
    void storeCycleWithAMinuteLeft(int index, double duration)
    {
        TimerStateSnapshot paused;
        paused.mode = TimerMode::Paused;
        paused.duration = duration;
        paused.remaining = minuteLeft;
        ASSERT_TRUE(StoredTimer::seed(m_desktop->storePath(), paused));
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        ASSERT_TRUE(store && store->isShared());
        store->setBool(SharedDefaultsKeys::pomodoroKeysMigrated.name, true);
        store->setBool(SharedDefaultsKeys::pomodoroActive.name, true);
        store->setInteger(SharedDefaultsKeys::pomodoroPhaseIndex.name, index);
    }

    qint64 storedPhaseIndex() const
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        return store ? store->integer(SharedDefaultsKeys::pomodoroPhaseIndex) : -1;
    }

    // The tray icon once it shows the strip with the active phase in `color`,
    // or as it last showed within `timeout`. `step` names the screenshots.
    QImage waitForStripIn(const QString& step, const QColor& color, std::chrono::milliseconds timeout)
    {
        QImage tray;
        waitUntil(
            [&] {
                tray = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1-tray.png").arg(step));
                return mostVividIs(tray, color);
            },
            timeout);
        m_screen->capture(QStringLiteral("root"), QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1.png").arg(step));
        return tray;
    }

    // Resumes the stored phase of `duration` with a right click and waits for
    // the next one: `nextIndex`, running for `nextDuration`. `step` names the
    // screenshots.
    void phaseGivesWayToTheNext(const QString& step, double duration, const QColor& now, qint64 nextIndex,
                                double nextDuration, const QColor& next)
    {
        ASSERT_NO_FATAL_FAILURE(startInTray());
        ASSERT_TRUE(waitForMode(TimerMode::Paused, 5s)) << "the stored phase did not come back paused";
        ASSERT_TRUE(m_screen->click(m_iconArea, 3));
        ASSERT_TRUE(waitForMode(TimerMode::Running, 3s)) << "a right click did not resume the phase";
        // The stored phase itself, with its minute: a program that lost what
        // was stored would start a whole phase here, which then never ends
        // within the waits below.
        const auto resumed = m_timer->snapshot();
        ASSERT_TRUE(resumed);
        ASSERT_EQ(resumed->duration, duration) << "another phase runs than the one stored";
        ASSERT_LE(resumed->remaining, minuteLeft) << "the stored phase began again instead of going on";
        const QImage before = waitForStripIn(step + QStringLiteral("-running"), now, 10s);
        EXPECT_TRUE(mostVividIs(before, now)) << "no strip in the phase's colour in the tray";

        // Each wait is for an effect: first the phase's end, due when its
        // minute is up, then the next phase, which starts once the program
        // has played the end's sound and animation and posted its
        // notification; on a loaded machine that work alone can take many
        // seconds.
        const auto endedOrNext = [&] {
            const auto snapshot = m_timer->snapshot();
            return snapshot && (snapshot->mode == TimerMode::Completed || runsPhase(snapshot, nextDuration));
        };
        ASSERT_TRUE(waitUntil(endedOrNext, std::chrono::seconds(int(minuteLeft)) + 60s)) << "the phase did not end";
        ASSERT_TRUE(waitUntil([&] { return runsPhase(m_timer->snapshot(), nextDuration); }, 90s))
            << "the phase did not give way to the next";
        EXPECT_EQ(storedPhaseIndex(), nextIndex);
        const QImage after = waitForStripIn(step + QStringLiteral("-next-phase"), next, 10s);
        EXPECT_TRUE(mostVividIs(after, next)) << "no strip in the next phase's colour in the tray";
        EXPECT_NE(before, after);
    }
};

TEST_F(UserDayPomodoro, WorkGivesWayToABreakAndTheBreakToWork)
{
    ASSERT_NO_FATAL_FAILURE(markClickHintSeen());
    ASSERT_NO_FATAL_FAILURE(storeCycleWithAMinuteLeft(0, 1500));
    ASSERT_NO_FATAL_FAILURE(phaseGivesWayToTheNext(QStringLiteral("pomodoro-1-work"), 1500, PomodoroPhaseColors::work(),
                                                   1, 300, PomodoroPhaseColors::pause()));

    m_program.reset();
    ASSERT_NO_FATAL_FAILURE(storeCycleWithAMinuteLeft(1, 300));
    ASSERT_NO_FATAL_FAILURE(phaseGivesWayToTheNext(QStringLiteral("pomodoro-2-break"), 300,
                                                   PomodoroPhaseColors::pause(), 2, 1500, PomodoroPhaseColors::work()));
}

} // namespace userday
