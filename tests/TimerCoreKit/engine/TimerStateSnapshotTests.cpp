// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerState.h"
#include "TimerCoreKit/engine/TimerStateSnapshot.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cmath>

using platform::Date;

namespace {

QJsonObject encoded(const TimerStateSnapshot& snapshot)
{
    const auto json = snapshot.toJson();
    EXPECT_TRUE(json);
    return QJsonDocument::fromJson(json.value_or("{}")).object();
}

TEST(TimerStateSnapshot, WritesDatesAsSecondsSince2001AndOmitsAbsentFields)
{
    TimerStateSnapshot running{TimerMode::Running, 300, 300, Date::fromSecondsSinceReferenceDate(86400),
                               QStringLiteral("preset.quick-5")};
    const auto object = encoded(running);
    EXPECT_EQ(object.value("mode").toString(), "running");
    EXPECT_EQ(object.value("endDate").toDouble(), 86400);
    EXPECT_EQ(object.value("selectedPresetID").toString(), "preset.quick-5");
    EXPECT_EQ(object.value("direction").toString(), "countdown");
    EXPECT_EQ(object.value("elapsed").toDouble(), 0);
    EXPECT_FALSE(object.contains("startDate"));

    running.endDate.reset();
    running.selectedPresetID.reset();
    const auto paused = encoded(running);
    EXPECT_FALSE(paused.contains("endDate"));
    EXPECT_FALSE(paused.contains("selectedPresetID"));

    EXPECT_EQ(Date::fromUnixSeconds(978307200).secondsSinceReferenceDate(), 0);
}

TEST(TimerStateSnapshot, RoundTripsEveryField)
{
    const TimerStateSnapshot original{TimerMode::Paused,
                                      1500,
                                      123.456,
                                      Date::fromSecondsSinceReferenceDate(1.5),
                                      QStringLiteral("x"),
                                      TimerDirection::CountUp,
                                      42.25,
                                      Date::fromSecondsSinceReferenceDate(-3.75)};
    const auto decoded = TimerStateSnapshot::fromJson(*original.toJson());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->mode, original.mode);
    EXPECT_EQ(decoded->duration, original.duration);
    EXPECT_EQ(decoded->remaining, original.remaining);
    EXPECT_EQ(decoded->endDate, original.endDate);
    EXPECT_EQ(decoded->selectedPresetID, original.selectedPresetID);
    EXPECT_EQ(decoded->direction, original.direction);
    EXPECT_EQ(decoded->elapsed, original.elapsed);
    EXPECT_EQ(decoded->startDate, original.startDate);
}

TEST(TimerStateSnapshot, MinimalObjectIsAnIdleCountdown)
{
    const auto decoded = TimerStateSnapshot::fromJson(R"({"mode":"idle","duration":60,"remaining":60})");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->direction, TimerDirection::Countdown);
    EXPECT_EQ(decoded->elapsed, 0);
    EXPECT_FALSE(decoded->endDate);
    EXPECT_FALSE(decoded->startDate);
    EXPECT_FALSE(decoded->selectedPresetID);

    const auto withNulls = TimerStateSnapshot::fromJson(
        R"({"mode":"idle","duration":60,"remaining":60,"endDate":null,"direction":null,"extra":true})");
    ASSERT_TRUE(withNulls);
    EXPECT_FALSE(withNulls->endDate);
}

TEST(TimerStateSnapshot, RejectsMalformedObjects)
{
    const char* bad[] = {
        "",
        "[]",
        "not json",
        R"({"duration":60,"remaining":60})",
        R"({"mode":"sleeping","duration":60,"remaining":60})",
        R"({"mode":"idle","duration":"60","remaining":60})",
        R"({"mode":"idle","duration":null,"remaining":60})",
        R"({"mode":"idle","duration":60,"remaining":60,"direction":"sideways"})",
        R"({"mode":"idle","duration":60,"remaining":60,"endDate":"2001-01-01"})",
        R"({"mode":"idle","duration":60,"remaining":60,"selectedPresetID":5})",
        R"({"mode":"idle","duration":60,"remaining":60,"elapsed":false})",
    };
    for (const char* json : bad)
        EXPECT_FALSE(TimerStateSnapshot::fromJson(json)) << json;
}

TEST(TimerStateSnapshot, NumbersJsonCannotCarryFailTheEncoding)
{
    for (double bad : {NAN, INFINITY}) {
        TimerStateSnapshot snapshot{TimerMode::Idle, 60, 60};
        snapshot.remaining = bad;
        EXPECT_FALSE(snapshot.toJson());
        snapshot.remaining = 60;
        snapshot.endDate = Date::fromSecondsSinceReferenceDate(bad);
        EXPECT_FALSE(snapshot.toJson());
    }
}

TEST(TimerStateSnapshot, DefaultIsTheClassicPreset)
{
    const auto snapshot = TimerStateSnapshot::defaultSnapshot();
    EXPECT_EQ(snapshot.mode, TimerMode::Idle);
    EXPECT_EQ(snapshot.duration, 1500);
    EXPECT_EQ(snapshot.remaining, 1500);
    EXPECT_EQ(snapshot.selectedPresetID, QStringLiteral("preset.classic-25"));
}

TEST(TimerState, ProgressStaysWithinZeroAndOne)
{
    struct Case {
        double duration;
        double remaining;
        double progress;
    };
    for (const auto& c : {Case{0, 0, 0}, Case{100, 100, 0}, Case{100, 50, 0.5}, Case{100, 0, 1}, Case{100, 150, 0},
                          Case{100, -20, 1}, Case{-5, 1, 0}}) {
        const TimerState state({TimerMode::Running, c.duration, c.remaining});
        EXPECT_DOUBLE_EQ(state.progress(), c.progress) << c.duration << "/" << c.remaining;
    }
}

TEST(TimerState, TakesNoLengthThatIsNotFiniteFromASnapshot)
{
    const TimerState state({TimerMode::Idle, NAN, INFINITY, {}, {}, TimerDirection::CountUp, -INFINITY});
    EXPECT_EQ(state.duration(), 0);
    EXPECT_EQ(state.remaining(), 0);
    EXPECT_EQ(state.elapsed(), 0);
}

} // namespace
