// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/CustomTimerPalette.h"
#include "TimerCoreKit/sessions/CustomTimer.h"

#include "support/SampleTimers.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

void expectColor(const QColor& color, float r, float g, float b)
{
    EXPECT_EQ(color.spec(), QColor::Rgb);
    EXPECT_NEAR(color.redF(), r, 1e-4);
    EXPECT_NEAR(color.greenF(), g, 1e-4);
    EXPECT_NEAR(color.blueF(), b, 1e-4);
    EXPECT_EQ(color.alphaF(), 1.0f);
}

TEST(CustomTimerPaletteTest, EveryIndexGivesAColorAndStrayOnesGiveTheFirst)
{
    struct Case {
        int index;
        float r, g, b;
    };
    const Case cases[] = {
        {0, 1.0f, 0.35f, 0.25f}, {1, 0.25f, 0.85f, 0.45f},   {2, 0.35f, 0.55f, 1.0f},
        {3, 1.0f, 0.75f, 0.0f},  {4, 0.65f, 0.25f, 0.95f},   {5, 0.0f, 0.85f, 1.0f},
        {6, 1.0f, 0.5f, 0.1f},   {7, 1.0f, 0.3f, 0.7f},      {-1, 1.0f, 0.35f, 0.25f},
        {8, 1.0f, 0.35f, 0.25f}, {1000, 1.0f, 0.35f, 0.25f}, {std::numeric_limits<int>::min(), 1.0f, 0.35f, 0.25f},
    };
    ASSERT_EQ(CustomTimerPalette::colors().size(), 8);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        expectColor(CustomTimerPalette::color(c.index), c.r, c.g, c.b);
    }
}

TEST(CustomTimerTest, PhaseSequenceKeepsIdsNamesAndLengthsWithPaletteColors)
{
    auto timer = sampleTimer("Focus", {30, 45.5});
    timer.phases[0].colorIndex = 2;
    timer.phases[1].colorIndex = 7;
    const auto phases = timer.makePhaseSequence();
    ASSERT_EQ(phases.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(phases[i].id, timer.phases[i].id);
        EXPECT_EQ(phases[i].name, timer.phases[i].name);
        EXPECT_EQ(phases[i].duration, timer.phases[i].duration);
        EXPECT_FALSE(phases[i].isBreak);
    }
    expectColor(phases[0].color, 0.35f, 0.55f, 1.0f);
    expectColor(phases[1].color, 1.0f, 0.3f, 0.7f);
    EXPECT_TRUE(sampleTimer("Empty", {}).makePhaseSequence().isEmpty());
}

TEST(CustomTimerTest, JsonRoundTripKeepsEveryFieldAsItWas)
{
    auto odd
        = sampleTimer(u"Zürich \U0001F1E8\U0001F1ED run, far too long a name for the editor"_qs, {0, 20000, 0.125}, 0);
    odd.phases[0].colorIndex = 42;
    odd.phases[1].colorIndex = -5;
    odd.createdAt = platform::Date::fromSecondsSinceReferenceDate(-12.75);
    for (const auto& timer : {sampleTimer("Plain", {60, 30}, 3), sampleTimer("", {}), odd}) {
        SCOPED_TRACE(timer.name.toStdString());
        const auto json = timer.toJson();
        ASSERT_TRUE(json);
        // Through text, as the store keeps it.
        const auto text = QJsonDocument(*json).toJson(QJsonDocument::Compact);
        EXPECT_EQ(CustomTimer::fromJson(QJsonDocument::fromJson(text).object()), timer);
    }
}

TEST(CustomTimerTest, WrittenJsonHasExactlyTheRecordKeys)
{
    const auto timer = sampleTimer("Tea", {180}, 2);
    const auto json = *timer.toJson();
    EXPECT_EQ(json.keys(), (QStringList{"createdAt", "id", "name", "phases", "rounds"}));
    EXPECT_EQ(json["id"_L1].toString(), timer.id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(json["createdAt"_L1].toDouble(), 7.25e8);
    const auto phase = json["phases"_L1].toArray().at(0).toObject();
    EXPECT_EQ(phase.keys(), (QStringList{"colorIndex", "duration", "id", "name"}));
    // Whole numbers are written as integers.
    EXPECT_TRUE(QJsonDocument(json).toJson(QJsonDocument::Compact).contains("\"rounds\":2"));
}

TEST(CustomTimerTest, NumbersJsonCannotHoldHaveNoJsonForm)
{
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity()}) {
        auto timer = sampleTimer("Bad", {10, 20});
        timer.phases[1].duration = bad;
        EXPECT_FALSE(timer.toJson());
        timer = sampleTimer("Bad", {10});
        timer.createdAt = platform::Date::fromSecondsSinceReferenceDate(bad);
        EXPECT_FALSE(timer.toJson());
    }
}

QJsonObject validTimerJson()
{
    return QJsonDocument::fromJson(R"({"id":"6F9619FF-8B86-D011-B42D-00C04FC964FF","name":"Run",
        "phases":[{"id":"A1B2C3D4-0000-4000-8000-000000000001","name":"Go","duration":60,"colorIndex":1}],
        "rounds":2,"createdAt":725000000.5})")
        .object();
}

using Edit = void (*)(QJsonObject& timer, QJsonObject& phase);

TEST(CustomTimerTest, DecodingNeedsEveryKeyWithAValueOfItsKind)
{
    struct Case {
        const char* name;
        Edit edit;
        bool decodes;
    };
    const Case cases[] = {
        {"valid", [](QJsonObject&, QJsonObject&) {}, true},
        {"extra keys ignored",
         [](QJsonObject& t, QJsonObject& p) {
             t["x"_L1] = 1;
             p["y"_L1] = "z";
         },
         true},
        {"lower-case id", [](QJsonObject& t, QJsonObject&) { t["id"_L1] = "6f9619ff-8b86-d011-b42d-00c04fc964ff"; },
         true},
        {"nil id", [](QJsonObject& t, QJsonObject&) { t["id"_L1] = "00000000-0000-0000-0000-000000000000"; }, true},
        {"whole rounds written as 2.0", [](QJsonObject& t, QJsonObject&) { t["rounds"_L1] = 2.0; }, true},
        {"zero duration, colour 42",
         [](QJsonObject&, QJsonObject& p) {
             p["duration"_L1] = 0;
             p["colorIndex"_L1] = 42;
         },
         true},
        {"no createdAt", [](QJsonObject& t, QJsonObject&) { t.remove("createdAt"_L1); }, false},
        {"no id", [](QJsonObject& t, QJsonObject&) { t.remove("id"_L1); }, false},
        {"no name", [](QJsonObject& t, QJsonObject&) { t.remove("name"_L1); }, false},
        {"no phases", [](QJsonObject& t, QJsonObject&) { t.remove("phases"_L1); }, false},
        {"no rounds", [](QJsonObject& t, QJsonObject&) { t.remove("rounds"_L1); }, false},
        {"phase without duration", [](QJsonObject&, QJsonObject& p) { p.remove("duration"_L1); }, false},
        {"phase without colour", [](QJsonObject&, QJsonObject& p) { p.remove("colorIndex"_L1); }, false},
        {"phase without name", [](QJsonObject&, QJsonObject& p) { p.remove("name"_L1); }, false},
        {"phase without id", [](QJsonObject&, QJsonObject& p) { p.remove("id"_L1); }, false},
        {"id with braces", [](QJsonObject& t, QJsonObject&) { t["id"_L1] = "{6F9619FF-8B86-D011-B42D-00C04FC964FF}"; },
         false},
        {"id not hex", [](QJsonObject& t, QJsonObject&) { t["id"_L1] = "6F9619FF-8B86-D011-B42D-00C04FC964FG"; },
         false},
        {"phase id malformed", [](QJsonObject&, QJsonObject& p) { p["id"_L1] = "phase-1"; }, false},
        {"rounds as text", [](QJsonObject& t, QJsonObject&) { t["rounds"_L1] = "2"; }, false},
        {"fractional rounds", [](QJsonObject& t, QJsonObject&) { t["rounds"_L1] = 2.5; }, false},
        {"rounds beyond an int", [](QJsonObject& t, QJsonObject&) { t["rounds"_L1] = 1e12; }, false},
        {"rounds as bool", [](QJsonObject& t, QJsonObject&) { t["rounds"_L1] = true; }, false},
        {"name as number", [](QJsonObject& t, QJsonObject&) { t["name"_L1] = 3; }, false},
        {"createdAt as text", [](QJsonObject& t, QJsonObject&) { t["createdAt"_L1] = "2024-01-01"; }, false},
        {"duration null", [](QJsonObject&, QJsonObject& p) { p["duration"_L1] = QJsonValue::Null; }, false},
        {"phases as object", [](QJsonObject& t, QJsonObject& p) { t["phases"_L1] = p; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto timer = validTimerJson();
        auto phases = timer["phases"_L1].toArray();
        auto phase = phases.at(0).toObject();
        c.edit(timer, phase);
        if (timer["phases"_L1].isArray()) {
            phases[0] = phase;
            timer["phases"_L1] = phases;
        }
        EXPECT_EQ(CustomTimer::fromJson(timer).has_value(), c.decodes);
    }
    const auto decoded = CustomTimer::fromJson(validTimerJson());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->rounds, 2);
    EXPECT_EQ(decoded->createdAt.secondsSinceReferenceDate(), 725000000.5);
    EXPECT_EQ(decoded->phases.at(0),
              (CustomTimerPhase{QUuid::fromString(u"a1b2c3d4-0000-4000-8000-000000000001"), "Go", 60, 1}));
    EXPECT_FALSE(CustomTimer::fromJson(QJsonValue(QJsonArray())));
}

} // namespace
