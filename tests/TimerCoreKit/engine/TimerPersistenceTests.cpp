// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerPersistence.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class TimerPersistenceTest : public ::testing::Test {
protected:
    std::unique_ptr<platform::UserDefaults> defaults = platform::UserDefaults::inMemory();
    TimerPersistence persistence{*defaults};
};

TEST_F(TimerPersistenceTest, SavesRestoresAndClears)
{
    EXPECT_FALSE(persistence.restore());
    EXPECT_TRUE(persistence.save({TimerMode::Paused, 300, 170}));
    const auto restored = persistence.restore();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->remaining, 170);
    persistence.clearState();
    EXPECT_FALSE(persistence.restore());
}

TEST_F(TimerPersistenceTest, FailedEncodingKeepsThePreviousSnapshot)
{
    persistence.save({TimerMode::Paused, 300, 170});
    EXPECT_FALSE(persistence.save({TimerMode::Paused, 300, NAN}));
    ASSERT_TRUE(persistence.restore());
    EXPECT_EQ(persistence.restore()->remaining, 170);
}

TEST_F(TimerPersistenceTest, ValuesThatAreNotSnapshotDataReadAsNothingAndStay)
{
    defaults->setString(SharedDefaultsKeys::timerState, R"({"mode":"idle","duration":1,"remaining":1})");
    EXPECT_FALSE(persistence.restore());
    defaults->setData(SharedDefaultsKeys::timerState, "garbage");
    EXPECT_FALSE(persistence.restore());
    EXPECT_EQ(defaults->data(SharedDefaultsKeys::timerState), QByteArray("garbage"));
}

TEST_F(TimerPersistenceTest, CustomDurationIsBoundedOnTheWayInAndOut)
{
    struct Case {
        double stored;
        double loaded;
    };
    for (const auto& c : {Case{0, 900}, Case{-1, 900}, Case{0.5, 1}, Case{600, 600}, Case{10800, 10800},
                          Case{10801, 10800}, Case{NAN, 900}, Case{INFINITY, 900}}) {
        defaults->setDouble(SharedDefaultsKeys::customDuration, c.stored);
        EXPECT_EQ(persistence.loadCustomDuration(), c.loaded) << c.stored;
    }
    defaults->remove(SharedDefaultsKeys::customDuration);
    EXPECT_EQ(persistence.loadCustomDuration(), 900);

    persistence.saveCustomDuration(20000);
    EXPECT_EQ(defaults->doubleValue(SharedDefaultsKeys::customDuration), 10800);
    persistence.saveCustomDuration(NAN);
    EXPECT_EQ(defaults->doubleValue(SharedDefaultsKeys::customDuration), 10800);
}

} // namespace
