// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioOutputQueue.h"

#include <gtest/gtest.h>

using platform::AudioOutputQueue;

namespace {

QByteArray readFrom(AudioOutputQueue& queue, qint64 size)
{
    QByteArray bytes(size, '?');
    EXPECT_EQ(queue.read(bytes.data(), size), size) << "a pulling device never runs dry";
    return bytes;
}

class AudioOutputQueueTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(queue.open(QIODevice::ReadOnly | QIODevice::Unbuffered)); }

    AudioOutputQueue queue{2, '.'};
};

TEST_F(AudioOutputQueueTest, PlaysQueuedSoundsInOrderThenSilence)
{
    queue.enqueue("ab");
    queue.enqueue("cdef");
    EXPECT_EQ(queue.queuedBytes(), 6);
    EXPECT_EQ(readFrom(queue, 3), "abc");
    EXPECT_EQ(queue.queuedBytes(), 3);
    EXPECT_EQ(readFrom(queue, 5), "def..");
    EXPECT_EQ(readFrom(queue, 4), "....");
}

TEST_F(AudioOutputQueueTest, SoundAfterSilenceStartsOnAFrameBoundary)
{
    EXPECT_EQ(readFrom(queue, 3), "...");
    queue.enqueue("abcd");
    EXPECT_EQ(readFrom(queue, 6), ".abcd.");
}

TEST_F(AudioOutputQueueTest, ClearDropsWhatIsLeft)
{
    queue.enqueue("abcd");
    EXPECT_EQ(readFrom(queue, 2), "ab");
    queue.clear();
    EXPECT_EQ(queue.queuedBytes(), 0);
    EXPECT_EQ(readFrom(queue, 2), "..");
    queue.enqueue("xy");
    EXPECT_EQ(readFrom(queue, 2), "xy");
}

TEST_F(AudioOutputQueueTest, SilenceIsQueuedInWholeFramesLikeASound)
{
    queue.enqueue("ab");
    queue.enqueueSilence(2);
    queue.enqueue("cd");
    EXPECT_EQ(queue.queuedBytes(), 8);
    EXPECT_EQ(readFrom(queue, 9), "ab....cd.");
}

// Every read counts, silence too: a device still reading is still playing.
TEST_F(AudioOutputQueueTest, CountsAllTheDeviceHasRead)
{
    EXPECT_EQ(queue.bytesRead(), 0);
    EXPECT_EQ(readFrom(queue, 3), "...");
    queue.enqueue("ab");
    EXPECT_EQ(readFrom(queue, 2), ".a");
    EXPECT_EQ(queue.bytesRead(), 5);
    queue.clear();
    EXPECT_EQ(queue.bytesRead(), 5);
}

TEST_F(AudioOutputQueueTest, RefusesWrites)
{
    EXPECT_TRUE(queue.isSequential());
    EXPECT_EQ(queue.write("ab"), -1);
}

} // namespace
