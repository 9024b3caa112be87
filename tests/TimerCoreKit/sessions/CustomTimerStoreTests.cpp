// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/CustomTimerStore.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/CountingBackend.h"
#include "support/FakeClock.h"
#include "support/SampleTimers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

class CustomTimerStoreTest : public ::testing::Test {
protected:
    CustomTimerStore& makeStore()
    {
        store.reset();
        store = std::make_unique<CustomTimerStore>(backing.defaults, clock.provider());
        return *store;
    }

    int writes() const { return backing.writes(SharedDefaultsKeys::customTimers); }
    std::optional<QByteArray> stored() const { return backing.defaults.data(SharedDefaultsKeys::customTimers); }

    CountingStore backing;
    FakeClock clock;
    std::unique_ptr<CustomTimerStore> store;
};

constexpr auto goodTimer = R"({"id":"6F9619FF-8B86-D011-B42D-00C04FC964FF","name":"Run","rounds":2,"createdAt":1,
    "phases":[{"id":"A1B2C3D4-0000-4000-8000-000000000001","name":"Go","duration":60,"colorIndex":1}]})";
constexpr auto otherTimer = R"({"id":"6F9619FF-8B86-D011-B42D-00C04FC96400","name":"Walk","rounds":1,"createdAt":2,
    "phases":[],"note":"ignored"})";
constexpr auto badPhaseID = R"({"id":"6F9619FF-8B86-D011-B42D-00C04FC96401","name":"Odd","rounds":1,"createdAt":3,
    "phases":[{"id":"nope","name":"a","duration":1,"colorIndex":0}]})";

TEST_F(CustomTimerStoreTest, StoredDataLoadsWholeOrNotAtAllAndIsLeftAsItWas)
{
    struct Case {
        const char* name;
        std::optional<QByteArray> data;
        QStringList names;
    };
    const QByteArray good(goodTimer);
    const QByteArray other(otherTimer);
    const QByteArray badPhase(badPhaseID);
    const Case cases[] = {
        {"nothing stored", {}, {}},
        {"two timers in stored order", "[" + other + "," + good + "]", {"Walk", "Run"}},
        {"empty array", "[]", {}},
        {"object instead of array", good, {}},
        {"not JSON", "timers", {}},
        {"empty data", "", {}},
        {"trailing garbage", "[" + good + "]]", {}},
        {"one timer bad among good", "[" + good + ",{\"id\":\"x\"}]", {}},
        {"bad UUID in one phase", "[" + good + "," + badPhase + "]", {}},
        {"element not an object", "[" + good + ",3]", {}},
        {"null element", "[null]", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        backing.defaults.remove(SharedDefaultsKeys::customTimers);
        if (c.data)
            backing.defaults.setData(SharedDefaultsKeys::customTimers, *c.data);
        backing.backend->writes.clear();

        const auto& s = makeStore();
        QStringList names;
        for (const auto& timer : s.timers())
            names.append(timer.name);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(writes(), 0);
        EXPECT_EQ(stored(), c.data);
    }
}

TEST_F(CustomTimerStoreTest, WhatTheStoreWritesComesBackUnchanged)
{
    auto& s = makeStore();
    auto odd = sampleTimer(u"\u00C9t\u00E9 \U0001F3C3"_qs, {0, 10800, 1.5}, 0);
    odd.phases[2].colorIndex = 99;
    s.add(sampleTimer("Intervals", {40, 20, 40}, 5));
    s.add(odd);
    s.add(sampleTimer("Empty", {}));
    const auto written = s.timers();
    EXPECT_EQ(writes(), 3);

    EXPECT_EQ(makeStore().timers(), written);
}

TEST_F(CustomTimerStoreTest, UpdateReplacesInPlaceAndIgnoresUnknownIds)
{
    auto& s = makeStore();
    const auto first = sampleTimer("A", {10});
    const auto second = sampleTimer("B", {20});
    s.add(first);
    s.add(second);
    const int writesBefore = writes();
    const auto dataBefore = stored();

    s.update(sampleTimer("Stranger", {5}));
    EXPECT_EQ(s.timers(), (QList{first, second}));
    EXPECT_EQ(writes(), writesBefore);

    auto edited = first;
    edited.name = "A2";
    edited.rounds = 4;
    s.update(edited);
    EXPECT_EQ(s.timers(), (QList{edited, second}));
    EXPECT_EQ(makeStore().timers(), (QList{edited, second}));
    EXPECT_NE(stored(), dataBefore);
}

TEST_F(CustomTimerStoreTest, RemoveTakesEveryTimerWithTheIdAndAlwaysWrites)
{
    auto& s = makeStore();
    const auto kept = sampleTimer("Kept", {10});
    auto twin = sampleTimer("Twin", {10});
    s.add(twin);
    s.add(kept);
    twin.name = "Twin again";
    s.add(twin);
    const auto dataBefore = stored();
    const int writesBefore = writes();

    s.remove(QUuid::createUuid());
    EXPECT_EQ(writes(), writesBefore + 1);
    EXPECT_EQ(stored(), dataBefore);

    s.remove(twin.id);
    EXPECT_EQ(s.timers(), QList{kept});
    EXPECT_EQ(makeStore().timers(), QList{kept});
}

TEST_F(CustomTimerStoreTest, CopyNameGainsCopyCutToThirtyCharactersAsSeen)
{
    struct Case {
        const char* name;
        QString source;
        QString copy;
    };
    const Case cases[] = {
        {"short", "Tea", "Tea Copy"},
        {"25 characters", QString(25, u'a'), QString(25, u'a') + " Copy"},
        {"27 characters", QString(27, u'a'), QString(27, u'a') + " Co"},
        {"30 characters", QString(30, u'a'), QString(30, u'a')},
        {"emoji counts once", QString(25, u'a') + u"\U0001F44D\U0001F3FD"_qs,
         QString(25, u'a') + u"\U0001F44D\U0001F3FD Cop"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& s = makeStore();
        const auto source = sampleTimer(c.source, {10});
        s.add(source);
        s.duplicate(source.id);
        EXPECT_EQ(s.timers().last().name, c.copy);
    }
}

TEST_F(CustomTimerStoreTest, DuplicateAppendsAFreshCopyMadeNow)
{
    auto& s = makeStore();
    const auto source = sampleTimer("Laps", {30, 15, 45}, 3);
    const auto other = sampleTimer("Other", {5});
    s.add(source);
    s.add(other);
    clock.advance(500);
    s.duplicate(source.id);
    s.duplicate(source.id);

    ASSERT_EQ(s.timers().size(), 4);
    EXPECT_EQ(s.timers().at(0), source);
    EXPECT_EQ(s.timers().at(1), other);
    QSet<QUuid> ids{source.id, other.id};
    for (qsizetype i = 0; i < source.phases.size(); ++i)
        ids.insert(source.phases[i].id);
    for (const auto& copy : {s.timers().at(2), s.timers().at(3)}) {
        EXPECT_EQ(copy.name, "Laps Copy");
        EXPECT_EQ(copy.rounds, 3);
        EXPECT_EQ(copy.createdAt, clock.now());
        EXPECT_FALSE(ids.contains(copy.id));
        ids.insert(copy.id);
        ASSERT_EQ(copy.phases.size(), 3);
        for (qsizetype i = 0; i < 3; ++i) {
            EXPECT_FALSE(ids.contains(copy.phases[i].id));
            ids.insert(copy.phases[i].id);
            EXPECT_EQ(copy.phases[i].name, source.phases[i].name);
            EXPECT_EQ(copy.phases[i].duration, source.phases[i].duration);
            EXPECT_EQ(copy.phases[i].colorIndex, source.phases[i].colorIndex);
        }
    }
    EXPECT_EQ(makeStore().timers().size(), 4);
}

TEST_F(CustomTimerStoreTest, BadDataStaysUntilAWriteReplacesIt)
{
    backing.defaults.setData(SharedDefaultsKeys::customTimers, "{broken");
    auto& s = makeStore();
    const auto stranger = sampleTimer("X", {1});
    s.update(stranger);
    s.duplicate(stranger.id);
    EXPECT_EQ(stored(), QByteArray("{broken"));

    s.move({0}, 0);
    EXPECT_EQ(stored(), QByteArray("[]"));
}

TEST_F(CustomTimerStoreTest, MoveReordersAndSaves)
{
    auto& s = makeStore();
    const auto a = sampleTimer("A", {1});
    const auto b = sampleTimer("B", {1});
    const auto c = sampleTimer("C", {1});
    for (const auto& t : {a, b, c})
        s.add(t);
    int changes = 0;
    QObject::connect(&s, &CustomTimerStore::timersChanged, [&] { ++changes; });
    s.move({0}, 3);
    EXPECT_EQ(s.timers(), (QList{b, c, a}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(makeStore().timers(), (QList{b, c, a}));
}

TEST_F(CustomTimerStoreTest, ListThatCannotBeEncodedLeavesTheStoredOneInPlace)
{
    auto& s = makeStore();
    s.add(sampleTimer("Fine", {10}));
    const auto before = stored();
    auto bad = sampleTimer("Bad", {10});
    bad.phases[0].duration = std::nan("");
    s.add(bad);
    EXPECT_EQ(s.timers().size(), 2);
    EXPECT_EQ(stored(), before);
}

} // namespace
