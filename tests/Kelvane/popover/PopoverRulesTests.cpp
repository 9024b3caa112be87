// SPDX-License-Identifier: GPL-3.0-or-later
// What the popover shows, decided from the timer and the sessions.
#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/popover/PopoverSymbols.h"

#include "../../support/SampleTimers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace PopoverRules;

TEST(PopoverRulesTest, CustomMinutesAreWholeMinutesAndAtLeastOne)
{
    struct Case {
        double seconds;
        int minutes;
    };
    const Case cases[] = {{0, 1},
                          {30, 1},
                          {59, 1},
                          {60, 1},
                          {90, 1},
                          {150, 2},
                          {900, 15},
                          {-120, 1},
                          {std::numeric_limits<double>::quiet_NaN(), 1},
                          {1e300, std::numeric_limits<int>::max()}};
    for (const Case& c : cases)
        EXPECT_EQ(customMinutes(c.seconds), c.minutes) << c.seconds;
}

TEST(PopoverRulesTest, TypedMinutesAreKeptBetweenOneAnd180)
{
    struct Case {
        qint64 typed;
        int stored;
    };
    const Case cases[] = {{0, 1},
                          {-5, 1},
                          {1, 1},
                          {2, 2},
                          {179, 179},
                          {180, 180},
                          {181, 180},
                          {500, 180},
                          {std::numeric_limits<qint64>::max(), 180},
                          {std::numeric_limits<qint64>::min(), 1}};
    for (const Case& c : cases)
        EXPECT_EQ(clampCustomMinutes(c.typed), c.stored) << c.typed;
}

TEST(PopoverRulesTest, StatusLinePrefersPomodoroThenCustomTimerThenTheTimer)
{
    PomodoroView pomodoro;
    pomodoro.active = true;
    pomodoro.phase = PomodoroPhase::ShortBreak;
    pomodoro.currentRound = 2;
    pomodoro.totalRounds = 4;
    CustomView custom;
    custom.active = true;
    custom.currentRound = 1;
    custom.totalRounds = 3;
    custom.phaseName = QStringLiteral("Focus");
    custom.phaseColor = Qt::magenta;
    CustomView phaseless = custom;
    phaseless.phaseName.reset();
    const PomodoroView noPomodoro;
    const CustomView noCustom;

    struct Case {
        const char* what;
        TimerMode mode;
        PomodoroView pomodoro;
        CustomView custom;
        StatusLine expected;
    };
    const Case cases[] = {
        {"both sessions",
         TimerMode::Running,
         pomodoro,
         custom,
         {StatusLine::Dot::Phase, pomodoroPhaseColor(PomodoroPhase::ShortBreak), "Short Break", "Round 2 of 4"}},
        {"custom",
         TimerMode::Paused,
         noPomodoro,
         custom,
         {StatusLine::Dot::Phase, Qt::magenta, "Focus", "Round 1 of 3"}},
        {"custom without a phase",
         TimerMode::Idle,
         noPomodoro,
         phaseless,
         {StatusLine::Dot::Muted, QColor(), QStringLiteral("\u2013"), "Round 1 of 3"}},
        {"idle", TimerMode::Idle, noPomodoro, noCustom, {StatusLine::Dot::Muted, QColor(), "Ready", ""}},
        {"running", TimerMode::Running, noPomodoro, noCustom, {StatusLine::Dot::TimerRunning, QColor(), "Running", ""}},
        {"paused", TimerMode::Paused, noPomodoro, noCustom, {StatusLine::Dot::Muted, QColor(), "Paused", ""}},
        {"completed", TimerMode::Completed, noPomodoro, noCustom, {StatusLine::Dot::Muted, QColor(), "Completed", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(statusLine(c.mode, c.pomodoro, c.custom), c.expected) << c.what;
}

TEST(PopoverRulesTest, PomodoroPhasesAreGreenForWorkAndYellowForBreaks)
{
    EXPECT_EQ(pomodoroPhaseName(PomodoroPhase::Work), "Work");
    EXPECT_EQ(pomodoroPhaseName(PomodoroPhase::LongBreak), "Long Break");
    const QColor green = pomodoroPhaseColor(PomodoroPhase::Work);
    EXPECT_GT(green.green(), 150);
    EXPECT_LT(green.red(), 100);
    for (const PomodoroPhase phase : {PomodoroPhase::ShortBreak, PomodoroPhase::LongBreak}) {
        const QColor yellow = pomodoroPhaseColor(phase);
        EXPECT_GT(yellow.red(), 200);
        EXPECT_GT(yellow.green(), 150);
        EXPECT_LT(yellow.blue(), 80);
        EXPECT_EQ(pomodoroButtonTextColor(phase), QColor(Qt::black));
    }
    EXPECT_EQ(pomodoroButtonTextColor(PomodoroPhase::Work), QColor(Qt::white));
}

TEST(PopoverRulesTest, SectionsFollowDirectionAndSessions)
{
    struct Case {
        TimerDirection direction;
        bool pomodoro;
        bool custom;
        Sections expected;
    };
    // pomodoroStrip, customStrip, presets, pomodoroControls, stopPomodoro, stopCustomTimer, pomodoroFooterRow
    const auto countdown = TimerDirection::Countdown;
    const auto countUp = TimerDirection::CountUp;
    const Case cases[] = {
        {countdown, false, false, {false, false, true, false, false, false, true}},
        {countdown, true, false, {true, false, true, true, true, false, false}},
        {countdown, false, true, {false, true, true, false, false, true, true}},
        {countUp, false, false, {false, false, false, false, false, false, false}},
        {countUp, true, false, {false, false, false, false, false, false, false}},
        {countUp, false, true, {false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sections(c.direction, c.pomodoro, c.custom), c.expected)
            << int(c.direction) << c.pomodoro << c.custom;
    }
}

TEST(PopoverRulesTest, PrimaryButtonAndResetFollowTheMode)
{
    struct Case {
        TimerMode mode;
        PrimaryButton button;
        bool reset;
        bool pickerEnabled;
    };
    using A = PrimaryButton::Action;
    const Case cases[] = {
        {TimerMode::Idle, {"play.fill", "Start", A::Start}, false, true},
        {TimerMode::Running, {"pause.fill", "Pause", A::Pause}, true, false},
        {TimerMode::Paused, {"play.fill", "Resume", A::Resume}, true, false},
        {TimerMode::Completed, {"play.fill", "Start Again", A::StartAgain}, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(primaryButton(c.mode), c.button) << int(c.mode);
        EXPECT_EQ(showsResetButton(c.mode), c.reset) << int(c.mode);
        EXPECT_EQ(modePickerEnabled(c.mode), c.pickerEnabled) << int(c.mode);
        EXPECT_TRUE(isPopoverSymbol(c.button.symbol));
    }
}

TEST(PopoverRulesTest, ThePrimaryButtonIsToldByTheTablesEntryForWhatItDoes)
{
    struct Case {
        TimerMode mode;
        SpokenButton spoken;
    };
    const Case cases[] = {
        {TimerMode::Idle, {"popover.button.start", "Start timer", "Double tap to start the countdown"}},
        {TimerMode::Running, {"popover.button.pause", "Pause timer", "Double tap to pause the countdown"}},
        {TimerMode::Paused, {"popover.button.resume", "Resume timer", "Double tap to resume the countdown"}},
        {TimerMode::Completed, {"popover.button.start", "Start timer", "Double tap to start the countdown"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenPrimaryButton(c.mode), c.spoken) << int(c.mode);
}

TEST(PopoverRulesTest, PomodoroButtonFollowsTheMode)
{
    const QString resume = QStringLiteral("Double-tap to resume the Pomodoro timer");
    using A = PomodoroButton::Action;
    struct Case {
        TimerMode mode;
        PomodoroButton button;
    };
    const Case cases[] = {
        {TimerMode::Idle, {"Start", resume, A::Resume, true}},
        {TimerMode::Running, {"Pause", "Double-tap to pause the Pomodoro timer", A::Pause, true}},
        {TimerMode::Paused, {"Resume", resume, A::Resume, true}},
        {TimerMode::Completed, {"Start", resume, A::None, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pomodoroButton(c.mode), c.button) << int(c.mode);
}

TEST(PopoverRulesTest, TextsOfPresetsSummariesAndStrips)
{
    EXPECT_EQ(presetDisplayName(false, 1500), "25 minutes");
    EXPECT_EQ(presetDisplayName(false, 300), "5 minutes");
    EXPECT_EQ(presetDisplayName(true, 300), "Custom...");

    struct Summary {
        CustomTimer timer;
        QString text;
    };
    const Summary summaries[] = {
        {sampleTimer("A", {1500, 300}, 4), QStringLiteral("30m per round \u00b7 4 rounds")},
        {sampleTimer("B", {90}, 1), QStringLiteral("1m per round \u00b7 1 round")},
        {sampleTimer("C", {}, 2), QStringLiteral("0m per round \u00b7 2 rounds")},
    };
    for (const Summary& s : summaries)
        EXPECT_EQ(customTimerSummary(s.timer), s.text);

    EXPECT_EQ(stripLabel(1, 8, QStringLiteral("Short Break")), "Phase 2 of 8, Short Break");
    EXPECT_EQ(stripLabel(0, 0, std::nullopt), QStringLiteral("Phase 1 of 0, \u2013"));
}

TEST(PopoverRulesTest, ChoosingTheCustomPresetShowsTheMinutesRow)
{
    struct Case {
        std::optional<QString> id;
        double customDuration;
        CustomRowChange change;
    };
    const Case cases[] = {
        {QStringLiteral("preset.custom"), 150, {true, 2}},
        {QStringLiteral("preset.custom"), 30, {true, 1}},
        {QStringLiteral("preset.quick-5"), 150, {false, std::nullopt}},
        {std::nullopt, 150, {false, std::nullopt}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(selectedPresetChanged(c.id, c.customDuration), c.change) << c.id.value_or("none").toStdString();
}

TEST(PopoverRulesTest, ANewTimerIsWorkAndBreakInFourRounds)
{
    const auto now = platform::Date::fromSecondsSinceReferenceDate(1000);
    const CustomTimer timer = newCustomTimer(now);
    const CustomTimer other = newCustomTimer(now);
    EXPECT_NE(timer.id, other.id);
    EXPECT_TRUE(timer.name.isEmpty());
    ASSERT_EQ(timer.phases.size(), 2);
    EXPECT_EQ(timer.phases[0].name, "Work");
    EXPECT_EQ(timer.phases[0].duration, 1500);
    EXPECT_EQ(timer.phases[0].colorIndex, 0);
    EXPECT_EQ(timer.phases[1].name, "Break");
    EXPECT_EQ(timer.phases[1].duration, 300);
    EXPECT_EQ(timer.phases[1].colorIndex, 1);
    EXPECT_NE(timer.phases[0].id, timer.phases[1].id);
    EXPECT_EQ(timer.rounds, 4);
    EXPECT_EQ(timer.createdAt, now);
}

} // namespace
