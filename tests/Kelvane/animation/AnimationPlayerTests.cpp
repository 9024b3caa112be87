// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/AnimationPlayer.h"

#include "support/ManualOneShotTimer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

QImage frameOf(QRgb color)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

class AnimationPlayerTest : public ::testing::Test {
protected:
    AnimationPlayerTest()
    {
        auto owned = std::make_unique<ManualOneShotTimer>();
        timer = owned.get();
        player = std::make_unique<AnimationPlayer>(std::move(owned));
        player->setOnComplete([this] { ++completions; });
    }

    QRgb shown() const { return player->currentFrame().pixel(0, 0); }

    ManualOneShotTimer* timer;
    std::unique_ptr<AnimationPlayer> player;
    int completions = 0;
    const QList<QImage> threeFrames{frameOf(0xffff0000), frameOf(0xff00ff00), frameOf(0xff0000ff)};
};

TEST_F(AnimationPlayerTest, SingleRunShowsEachFrameForItsDelayThenReportsTheEnd)
{
    player->load(threeFrames, {0.1, 0.2, 0.3}, false);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(shown(), 0xffff0000);
    EXPECT_EQ(timer->delay, 0.1);
    timer->fire();
    EXPECT_EQ(shown(), 0xff00ff00);
    EXPECT_EQ(timer->delay, 0.2);
    timer->fire();
    timer->fire(); // past the last frame
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(shown(), 0xff0000ff);
    EXPECT_FALSE(player->hasCompleted());
    EXPECT_EQ(timer->delay, AnimationPlayer::completionDelay);
    timer->fire();
    EXPECT_TRUE(player->hasCompleted());
    EXPECT_EQ(completions, 1);
    EXPECT_FALSE(timer->isPending());
}

TEST_F(AnimationPlayerTest, WithoutACallbackTheEndIsNeverReported)
{
    player->setOnComplete(nullptr);
    player->load({frameOf(0xffffffff)}, {0.1}, false);
    timer->fire();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_FALSE(timer->isPending());
    EXPECT_FALSE(player->hasCompleted());
}

TEST_F(AnimationPlayerTest, LoopingStartsOverAndNeverCompletes)
{
    player->load(threeFrames, {0.1, 0.1, 0.1}, true);
    for (int i = 0; i < 7; ++i)
        timer->fire();
    EXPECT_EQ(shown(), 0xff00ff00); // frame 7 of a loop of 3 is the second one
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(completions, 0);
}

TEST_F(AnimationPlayerTest, LoadAndStopStartFromEmpty)
{
    player->load(threeFrames, {0.1, 0.1, 0.1}, false);
    timer->fire();
    player->load({frameOf(0xff123456)}, {0.4}, false);
    EXPECT_EQ(shown(), 0xff123456);
    EXPECT_EQ(timer->delay, 0.4);

    timer->fire();
    timer->fire();
    player->stop();
    EXPECT_TRUE(player->currentFrame().isNull());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_FALSE(player->hasCompleted());
    EXPECT_FALSE(timer->isPending());

    player->load({}, {}, false);
    EXPECT_FALSE(player->isPlaying());
    EXPECT_TRUE(player->currentFrame().isNull());
}

TEST_F(AnimationPlayerTest, MissingDelaysLeaveTheFrameShown)
{
    player->load(threeFrames, {0.1}, false);
    timer->fire();
    EXPECT_EQ(shown(), 0xff00ff00);
    EXPECT_TRUE(player->isPlaying());
    EXPECT_FALSE(timer->isPending());
}

TEST(AnimationPlayerRealTimer, ReleasingThePlayerCancelsItsTimer)
{
    int completions = 0;
    {
        AnimationPlayer player(std::make_unique<platform::QtOneShotTimer>());
        player.setOnComplete([&] { ++completions; });
        player.load({frameOf(0xffffffff)}, {0.0}, false);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(completions, 0);
}

} // namespace
