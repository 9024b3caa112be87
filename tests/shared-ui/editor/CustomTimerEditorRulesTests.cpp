// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/CustomTimerEditorRules.h"
#include "shared-ui/editor/PhaseColorNames.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace rules = CustomTimerEditorRules;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr qint64 minuteCountMax = std::numeric_limits<qint64>::max();
constexpr qint64 minuteCountMin = std::numeric_limits<qint64>::lowest();

const QString flag = u"\U0001F1EF\U0001F1F5"_s; // one flag, two code points
const QString family = u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_s; // one family emoji
const QString accented = u"e\u0301"_s; // e and a combining accent

CustomTimer timerNamed(const QString& name, QList<double> durations = {300})
{
    CustomTimer timer{QUuid::createUuid(), name, {}, 1, {}};
    for (const auto duration : durations)
        timer.phases.append({QUuid::createUuid(), u"Phase"_s, duration, 0});
    return timer;
}

} // namespace

TEST(CustomTimerEditorRulesTest, SavableNeedsANameOfMoreThanSpacesPhasesAndOneSecondEach)
{
    const struct {
        const char* what;
        CustomTimer timer;
        bool savable;
    } cases[] = {
        {"plain name", timerNamed(u"Work"_s), true},
        {"empty name", timerNamed(u""_s), false},
        {"spaces and tabs", timerNamed(u"  \t "_s), false},
        {"no-break and ideographic spaces", timerNamed(u"\u00A0\u3000"_s), false},
        {"a line break is not trimmed", timerNamed(u"\n"_s), true},
        {"spaces around a name", timerNamed(u"  Work\t"_s), true},
        {"no phases", timerNamed(u"Work"_s, {}), false},
        {"exactly one second", timerNamed(u"Work"_s, {300, 1.0}), true},
        {"below one second", timerNamed(u"Work"_s, {300, 0.99}), false},
        {"zero", timerNamed(u"Work"_s, {0}), false},
        {"negative", timerNamed(u"Work"_s, {-60}), false},
        {"not a number", timerNamed(u"Work"_s, {notANumber}), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::isSavable(c.timer), c.savable) << c.what;
}

TEST(CustomTimerEditorRulesTest, NamesAreCutAndCountedByCharactersAsPeopleSeeThem)
{
    const struct {
        QString name;
        qsizetype count;
        QString cappedTo30;
    } cases[] = {
        {QString(31, u'a'), 31, QString(30, u'a')},         {QString(30, u'a'), 30, QString(30, u'a')},
        {flag.repeated(31), 31, flag.repeated(30)},         {family.repeated(35), 35, family.repeated(30)},
        {accented.repeated(31), 31, accented.repeated(30)}, {u""_s, 0, u""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(rules::characterCount(c.name), c.count);
        EXPECT_EQ(rules::cappedName(c.name, 30), c.cappedTo30);
    }
}

TEST(CustomTimerEditorRulesTest, NameCounterShowsFromTwentyAndWarnsAtThirty)
{
    const struct {
        QString name;
        std::optional<QString> text;
        bool warns;
    } cases[] = {
        {QString(19, u'a'), std::nullopt, false}, {QString(20, u'a'), u"20/30"_s, false},
        {QString(24, u'a'), u"24/30"_s, false},   {QString(29, u'a'), u"29/30"_s, false},
        {QString(30, u'a'), u"30/30"_s, true},    {QString(35, u'a'), u"35/30"_s, true},
        {flag.repeated(20), u"20/30"_s, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rules::nameCounterText(c.name), c.text) << c.name.size();
        EXPECT_EQ(rules::nameCounterWarns(c.name), c.warns) << c.name.size();
    }
}

TEST(CustomTimerEditorRulesTest, PhaseBadgeWarnsFromElevenAndAddingStopsAtTwelve)
{
    const struct {
        qsizetype count;
        QString text;
        bool warns;
        bool canAdd;
    } cases[] = {
        {1, u"1/12"_s, false, true},  {3, u"3/12"_s, false, true},   {10, u"10/12"_s, false, true},
        {11, u"11/12"_s, true, true}, {12, u"12/12"_s, true, false}, {15, u"15/12"_s, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(rules::phaseBadgeText(c.count), c.text);
        EXPECT_EQ(rules::phaseBadgeWarns(c.count), c.warns);
        EXPECT_EQ(rules::canAddPhase(c.count), c.canAdd);
    }
}

TEST(CustomTimerEditorRulesTest, NewPhasesAreNumberedFiveMinutesAndCycleThroughThePalette)
{
    const struct {
        qsizetype count;
        QString name;
        int colorIndex;
    } cases[] = {
        {0, u"Phase 1"_s, 0}, {3, u"Phase 4"_s, 3}, {7, u"Phase 8"_s, 7}, {8, u"Phase 9"_s, 0}, {11, u"Phase 12"_s, 3}};
    for (const auto& c : cases) {
        const auto phase = rules::newPhase(c.count);
        EXPECT_EQ(phase.name, c.name);
        EXPECT_EQ(phase.duration, 300);
        EXPECT_EQ(phase.colorIndex, c.colorIndex) << c.count;
        EXPECT_FALSE(phase.id.isNull());
    }
    EXPECT_NE(rules::newPhase(1).id, rules::newPhase(1).id);
}

TEST(CustomTimerEditorRulesTest, RoundsAndMinutesArePinnedWhenTypedAndStepWithinTheirRange)
{
    const struct {
        const char* what;
        rules::WholeStepRange range;
        qint64 value;
        qint64 typed;
        bool canDecrement;
        bool canIncrement;
        qint64 decremented;
        qint64 incremented;
    } cases[] = {
        {"rounds inside", rules::rounds, 5, 5, true, true, 4, 6},
        {"rounds at 1", rules::rounds, 1, 1, false, true, 1, 2},
        {"rounds at 2", rules::rounds, 2, 2, true, true, 1, 3},
        {"rounds at 9", rules::rounds, 9, 9, true, true, 8, 10},
        {"rounds at 10", rules::rounds, 10, 10, true, false, 9, 10},
        {"stored 0 rounds", rules::rounds, 0, 1, false, true, 1, 1},
        {"stored 15 rounds", rules::rounds, 15, 10, true, false, 14, 10},
        {"typed 25 rounds", rules::rounds, 25, 10, true, false, 24, 10},
        {"stored -7 rounds", rules::rounds, -7, 1, false, true, 1, 1},
        {"minutes inside", rules::phaseMinutes, 5, 5, true, true, 4, 6},
        {"1 minute", rules::phaseMinutes, 1, 1, false, true, 1, 2},
        {"2 minutes", rules::phaseMinutes, 2, 2, true, true, 1, 3},
        {"under a minute", rules::phaseMinutes, 0, 1, false, true, 1, 1},
        {"negative stored length", rules::phaseMinutes, -5, 1, false, true, 1, 1},
        {"179 minutes", rules::phaseMinutes, 179, 179, true, true, 178, 180},
        {"180 minutes", rules::phaseMinutes, 180, 180, true, false, 179, 180},
        {"typed 500 minutes", rules::phaseMinutes, 500, 180, true, false, 499, 180},
        {"largest count", rules::phaseMinutes, minuteCountMax, 180, true, false, minuteCountMax - 1, 180},
        {"lowest count", rules::phaseMinutes, minuteCountMin, 1, false, true, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.range.typed(c.value), c.typed);
        EXPECT_EQ(c.range.canDecrement(c.value), c.canDecrement);
        EXPECT_EQ(c.range.canIncrement(c.value), c.canIncrement);
        EXPECT_EQ(c.range.decremented(c.value), c.decremented);
        EXPECT_EQ(c.range.incremented(c.value), c.incremented);
    }
}

TEST(CustomTimerEditorRulesTest, StoredSecondsBecomeWholeMinutesWithoutOverflow)
{
    const struct {
        double seconds;
        qint64 minutes;
    } cases[] = {
        {300, 5},
        {90, 1},
        {59, 0},
        {150, 2},
        {-59, 0},
        {-300, -5},
        {10800, 180},
        {notANumber, 0},
        {infinity, minuteCountMax},
        {-infinity, minuteCountMin},
        {1e30, minuteCountMax},
        {-1e30, minuteCountMin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::wholeMinutes(c.seconds), c.minutes) << c.seconds;
}

TEST(PhaseColorNamesTest, NamesThePaletteAndFallsBackOutsideIt)
{
    const struct {
        int index;
        QString swatch;
        QString choice;
    } cases[] = {
        {0, u"Phase color: Tomato Red"_s, u"Tomato Red"_s},
        {2, u"Phase color: Periwinkle Blue"_s, u"Periwinkle Blue"_s},
        {7, u"Phase color: Pink"_s, u"Pink"_s},
        {8, u"Phase color: Unknown"_s, u"Color 8"_s},
        {9, u"Phase color: Unknown"_s, u"Color 9"_s},
        {-1, u"Phase color: Unknown"_s, u"Color -1"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(phaseColorSwatchLabel(c.index), c.swatch);
        EXPECT_EQ(phaseColorChoiceLabel(c.index), c.choice);
    }
}
