// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/animations/BuiltInAnimationData.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

namespace {

struct Animation {
    const char* fileName;
    const char* version;
    int frames;
    // Frames per delay in tenths of a second.
    std::map<int, int> delays;
};

const Animation animations[] = {
    {"smiley_fireworks.gif", "GIF89a", 12, {{1, 10}, {3, 2}}},
    {"checkmark_bounce.gif", "GIF89a", 11, {{1, 10}, {2, 1}}},
    {"confetti_burst.gif", "GIF89a", 15, {{1, 15}}},
    {"hourglass_flip.gif", "GIF89a", 9, {{1, 7}, {2, 1}, {3, 1}}},
    {"space_invaders_explosion.gif", "GIF87a", 12, {{1, 12}}},
    {"pacman_chomp.gif", "GIF87a", 16, {{1, 16}}},
    {"tetris_drop.gif", "GIF87a", 14, {{1, 14}}},
    {"pixel_fireworks.gif", "GIF87a", 16, {{1, 16}}},
    {"game_over.gif", "GIF87a", 10, {{1, 10}}},
    {"matrix_rain.gif", "GIF87a", 16, {{1, 16}}},
};

int littleEndianWord(const QByteArray& bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

class EveryAnimation : public testing::TestWithParam<Animation> { };

TEST_P(EveryAnimation, IsAGifOfThirtyTwoByEighteen)
{
    const auto data = BuiltInAnimationData::data(QString::fromLatin1(GetParam().fileName));
    ASSERT_TRUE(data);
    ASSERT_GE(data->size(), 10);
    EXPECT_EQ(data->first(6), QByteArray(GetParam().version));
    EXPECT_EQ(littleEndianWord(*data, 6), 32);
    EXPECT_EQ(littleEndianWord(*data, 8), 18);
}

// Qt's reader reports a GIF87a frame, which carries no delay, as 0.1 s: the
// delay every 87a animation wants.
TEST_P(EveryAnimation, DecodesToItsFramesAndDelays)
{
    const auto data = BuiltInAnimationData::data(QString::fromLatin1(GetParam().fileName));
    ASSERT_TRUE(data);
    QBuffer buffer;
    buffer.setData(*data);
    QImageReader reader(&buffer, "gif");
    ASSERT_TRUE(reader.canRead()) << qPrintable(reader.errorString());
    EXPECT_EQ(reader.imageCount(), GetParam().frames);

    int frames = 0;
    std::map<int, int> delays;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        ++frames;
        EXPECT_EQ(frame.size(), QSize(32, 18)) << "frame " << frames;
        const int delay = reader.nextImageDelay();
        EXPECT_EQ(delay % 100, 0) << "frame " << frames << " waits " << delay << " ms";
        ++delays[delay / 100];
    }
    EXPECT_EQ(frames, GetParam().frames);
    EXPECT_EQ(delays, GetParam().delays);
}

INSTANTIATE_TEST_SUITE_P(BuiltInAnimationData, EveryAnimation, testing::ValuesIn(animations),
                         [](const testing::TestParamInfo<Animation>& param) {
                             std::string name = param.param.fileName;
                             std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
                             return name;
                         });

TEST(BuiltInAnimationData, FindsOnlyTheExactFileName)
{
    for (const QString& name :
         {QString("Smiley_Fireworks.gif"), QString("smiley_fireworks"), QString("smiley_fireworks.GIF"),
          QString(" smiley_fireworks.gif"), QString(), QString("no_such_animation.gif")}) {
        EXPECT_FALSE(BuiltInAnimationData::data(name)) << qPrintable(name);
    }
}

TEST(BuiltInAnimationData, EveryCallGivesTheSameBytes)
{
    const auto first = BuiltInAnimationData::data(u"matrix_rain.gif");
    const auto second = BuiltInAnimationData::data(u"matrix_rain.gif");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, *second);
}

} // namespace
