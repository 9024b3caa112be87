// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/CustomTimerDraft.h"

#include "TimerFixtures.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class CustomTimerDraftTest : public ::testing::Test {
protected:
    explicit CustomTimerDraftTest(qsizetype phases = 3)
        : original(timerWithPhases(phases))
        , draft(original)
    {
    }

    QStringList names() const { return phaseNames(draft.timer()); }

    CustomTimer original;
    CustomTimerDraft draft;
    QSignalSpy changes{&draft, &CustomTimerDraft::changed};
};

} // namespace

TEST_F(CustomTimerDraftTest, StartsAsTheTimerItWasGivenAndNoOpsStayQuiet)
{
    EXPECT_EQ(draft.timer(), original);
    draft.movePhaseUp(0);
    draft.movePhaseDown(2);
    draft.setName(original.name);
    draft.setPhaseName(7, u"Nowhere"_s);
    draft.decrementPhaseMinutes(-1);
    draft.movePhases({1}, 2); // already in place
    EXPECT_EQ(draft.timer(), original);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(CustomTimerDraftTest, AddsNumberedPhasesUpToTwelve)
{
    draft.addPhase();
    ASSERT_EQ(draft.phaseCount(), 4);
    EXPECT_EQ(draft.timer().phases.last().name, u"Phase 4");
    EXPECT_EQ(draft.timer().phases.last().colorIndex, 3);
    while (draft.phaseCount() < 12)
        draft.addPhase();
    changes.clear();
    draft.addPhase();
    EXPECT_EQ(draft.phaseCount(), 12);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(CustomTimerDraftTest, MovesSwapNeighboursAndStopAtTheEnds)
{
    draft.movePhaseUp(1);
    EXPECT_EQ(names(), (QStringList{u"P2"_s, u"P1"_s, u"P3"_s}));
    draft.movePhaseDown(1);
    EXPECT_EQ(names(), (QStringList{u"P2"_s, u"P3"_s, u"P1"_s}));
    draft.movePhaseUp(0);
    draft.movePhaseDown(2);
    EXPECT_EQ(names(), (QStringList{u"P2"_s, u"P3"_s, u"P1"_s}));
    draft.movePhases({0}, 3);
    EXPECT_EQ(names(), (QStringList{u"P3"_s, u"P1"_s, u"P2"_s}));
}

TEST_F(CustomTimerDraftTest, DeletesAnyPhaseButTheLast)
{
    draft.removePhase(1);
    EXPECT_EQ(names(), (QStringList{u"P1"_s, u"P3"_s}));
    EXPECT_TRUE(draft.canRemovePhases());
    draft.removePhase(0);
    EXPECT_EQ(names(), QStringList{u"P3"_s});
    EXPECT_FALSE(draft.canRemovePhases());
    draft.removePhase(0);
    EXPECT_EQ(names(), QStringList{u"P3"_s});
}

TEST_F(CustomTimerDraftTest, NamesAreCutOnlyWhenEdited)
{
    CustomTimer longName = original;
    longName.name = QString(35, u'x');
    CustomTimerDraft stored(longName);
    EXPECT_EQ(stored.timer().name.size(), 35);
    stored.setName(QString(34, u'x'));
    EXPECT_EQ(stored.timer().name, QString(30, u'x'));

    draft.setName(QString(31, u'n'));
    EXPECT_EQ(draft.timer().name, QString(30, u'n'));
    draft.setPhaseName(0, QString(21, u'p'));
    EXPECT_EQ(draft.timer().phases[0].name, QString(20, u'p'));
}

TEST_F(CustomTimerDraftTest, EditsGoToThePhaseAtTheGivenPositionEvenWhenIdsRepeat)
{
    CustomTimer twins = original;
    twins.phases[1].id = twins.phases[0].id;
    CustomTimerDraft twinDraft(twins);
    twinDraft.setPhaseName(1, u"Second"_s);
    twinDraft.incrementPhaseMinutes(1);
    twinDraft.setPhaseColorIndex(1, 6);
    twinDraft.removePhase(1);
    EXPECT_EQ(phaseNames(twinDraft.timer()), (QStringList{u"P1"_s, u"P3"_s}));
    EXPECT_EQ(twinDraft.timer().phases[0], twins.phases[0]);
}

TEST_F(CustomTimerDraftTest, PhaseMinutesStepAndTypedValuesArePinned)
{
    draft.setPhaseTypedMinutes(0, 0);
    EXPECT_EQ(draft.timer().phases[0].duration, 60);
    draft.decrementPhaseMinutes(0); // one minute is the floor
    EXPECT_EQ(draft.timer().phases[0].duration, 60);
    draft.setPhaseTypedMinutes(0, 500);
    EXPECT_EQ(draft.timer().phases[0].duration, 10800);
    draft.incrementPhaseMinutes(0);
    EXPECT_EQ(draft.timer().phases[0].duration, 10800);

    CustomTimer odd = original;
    odd.phases[0].duration = 150;
    odd.phases[1].duration = 90;
    odd.phases[2].duration = 30;
    CustomTimerDraft oddDraft(odd);
    oddDraft.decrementPhaseMinutes(0);
    oddDraft.incrementPhaseMinutes(1);
    oddDraft.decrementPhaseMinutes(2);
    EXPECT_EQ(oddDraft.timer().phases[0].duration, 60);
    EXPECT_EQ(oddDraft.timer().phases[1].duration, 120);
    EXPECT_EQ(oddDraft.timer().phases[2].duration, 30);
    oddDraft.incrementPhaseMinutes(2);
    EXPECT_EQ(oddDraft.timer().phases[2].duration, 60);
}

TEST_F(CustomTimerDraftTest, StoredRoundsOutsideTheRangeAreKeptUntilStepped)
{
    for (const auto& [stored, stepUp, expected] : {std::tuple{0, true, 1}, std::tuple{15, false, 14}}) {
        CustomTimer timer = original;
        timer.rounds = stored;
        CustomTimerDraft rounds(timer);
        EXPECT_EQ(rounds.timer().rounds, stored);
        if (stepUp) {
            rounds.incrementRounds();
        } else {
            rounds.incrementRounds(); // disabled at 15: nothing happens
            EXPECT_EQ(rounds.timer().rounds, stored);
            rounds.decrementRounds();
        }
        EXPECT_EQ(rounds.timer().rounds, expected);
    }
    draft.setTypedRounds(0);
    EXPECT_EQ(draft.timer().rounds, 1);
    draft.setTypedRounds(25);
    EXPECT_EQ(draft.timer().rounds, 10);
}
