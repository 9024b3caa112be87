// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/GIFDecoder.h"

#include "GifBuilder.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using GIFDecoder::DecodingError;

std::optional<DecodingError> errorOf(const QByteArray& data)
{
    const auto result = GIFDecoder::decode(data, 18);
    if (const auto* error = std::get_if<DecodingError>(&result))
        return *error;
    return std::nullopt;
}

GIFDecoder::Animation animationOf(const QByteArray& data, double targetHeight = 18)
{
    auto result = GIFDecoder::decode(data, targetHeight);
    EXPECT_TRUE(std::holds_alternative<GIFDecoder::Animation>(result));
    if (auto* animation = std::get_if<GIFDecoder::Animation>(&result))
        return *animation;
    return {};
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

QImage filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(GIFDecoder, DecodesFramesWithTheirStoredDelays)
{
    const auto gif = GifBuilder(4, 4).frame(1, 2).frame(2, 0).frame(3).frame(1, 150).bytes();
    const auto animation = animationOf(gif);
    ASSERT_EQ(animation.frames.size(), 4);
    EXPECT_EQ(animation.delays, (QList<double>{0.02, 0.1, 0.1, 1.5}));
    EXPECT_EQ(animation.frames[0].size(), QSize(4, 4));
    EXPECT_EQ(QColor(animation.frames[0].pixel(1, 1)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(animation.frames[1].pixel(1, 1)), QColor(0, 255, 0));
}

TEST(GIFDecoder, ScalesOnlyFramesTallerThanTheTarget)
{
    EXPECT_EQ(animationOf(GifBuilder(16, 16).frame(1).bytes()).frames.value(0).size(), QSize(16, 16));
    EXPECT_EQ(animationOf(GifBuilder(32, 64).frame(1).bytes()).frames.value(0).size(), QSize(9, 18));

    const QImage tall(4, 40, QImage::Format_ARGB32);
    for (double odd : {double(NAN), 0.0, -5.0, 0.5})
        EXPECT_EQ(GIFDecoder::rasterise(tall, odd).size(), tall.size()) << odd;
    EXPECT_EQ(GIFDecoder::rasterise(tall, INFINITY).size(), tall.size());
}

TEST(GIFDecoder, EnforcesItsLimitsWithTypedErrors)
{
    auto exactlyTwoMegabytes = GifBuilder(2, 2).frame(1).bytes();
    exactlyTwoMegabytes.append(QByteArray(GIFDecoder::maximumBytes - exactlyTwoMegabytes.size(), '\0'));
    EXPECT_EQ(errorOf(exactlyTwoMegabytes), std::nullopt);
    EXPECT_EQ(errorOf(exactlyTwoMegabytes + '\0'), DecodingError::FileTooLarge);

    GifBuilder many(2, 2);
    for (int i = 0; i < GIFDecoder::maximumFrames; ++i)
        many.frame(i % 4, 5);
    EXPECT_EQ(animationOf(many.bytes()).frames.size(), GIFDecoder::maximumFrames);
    many.frame(0);
    EXPECT_EQ(errorOf(many.bytes()), DecodingError::TooManyFrames);

    EXPECT_EQ(errorOf("not an image at all"), DecodingError::InvalidData);
    EXPECT_EQ(errorOf(QByteArray()), DecodingError::InvalidData);
    EXPECT_EQ(errorOf(GifBuilder(2, 2).bytes()), DecodingError::NoFrames);
}

TEST(GIFDecoder, RefusesHugeDeclaredFramesWithoutAllocatingForThem)
{
    EXPECT_EQ(errorOf(GifBuilder(60000, 60000).frame(1, 1, 2, 2).bytes()), DecodingError::InvalidData);
    EXPECT_EQ(errorOf(GifBuilder(2, 2).frame(1, 1, 2, 2).frame(1, 1, 50000, 3).bytes()), DecodingError::InvalidData);
}

TEST(GIFDecoder, RefusesFilesWhoseFramesTogetherCostTooManyPixels)
{
    // A few kilobytes declaring the largest frames over and over.
    GifBuilder hugeFrames(GIFDecoder::maximumSide, GIFDecoder::maximumSide);
    for (int i = 0; i < GIFDecoder::maximumFrames; ++i)
        hugeFrames.emptyFrame(GIFDecoder::maximumSide, GIFDecoder::maximumSide);
    // Tiny frames still cost the whole canvas each.
    GifBuilder tinyFramesOnAHugeCanvas(GIFDecoder::maximumSide, GIFDecoder::maximumSide);
    tinyFramesOnAHugeCanvas.frame(1, 5, 1, 1).frame(2, 5, 1, 1);
    // Frames larger than the canvas cost their own size.
    GifBuilder hugeFramesOnATinyCanvas(1, 1);
    for (int i = 0; i < 2; ++i)
        hugeFramesOnATinyCanvas.emptyFrame(GIFDecoder::maximumSide, GIFDecoder::maximumSide);
    // Without a screen size, the canvas reaches as far as the first frame does.
    GifBuilder farFirstFrame(0, 0);
    farFirstFrame.frame(1, 5, 2, 2, {GIFDecoder::maximumSide - 2, GIFDecoder::maximumSide - 2}).frame(2, 5, 1, 1);

    const QList<std::pair<const char*, QByteArray>> cases{
        {"huge frames", hugeFrames.bytes()},
        {"tiny frames on a huge canvas", tinyFramesOnAHugeCanvas.bytes()},
        {"huge frames on a tiny canvas", hugeFramesOnATinyCanvas.bytes()},
        {"far first frame", farFirstFrame.bytes()},
    };
    for (const auto& [name, gif] : cases)
        EXPECT_EQ(errorOf(gif), DecodingError::InvalidData) << name;
}

TEST(GIFDecoder, DecodesFramesUpToTheTotalPixelLimit)
{
    constexpr int side = 1024;
    constexpr auto framesAtTheLimit = int(GIFDecoder::maximumTotalPixels / (side * side));
    static_assert(framesAtTheLimit < GIFDecoder::maximumFrames);
    GifBuilder gif(side, side);
    for (int i = 0; i < framesAtTheLimit; ++i)
        gif.frame(i % 4, 5, 1, 1);
    EXPECT_EQ(animationOf(gif.bytes()).frames.size(), framesAtTheLimit);
    gif.frame(1, 5, 1, 1);
    EXPECT_EQ(errorOf(gif.bytes()), DecodingError::InvalidData);

    const auto largestFrame = GifBuilder(GIFDecoder::maximumSide, GIFDecoder::maximumSide).frame(1, 5, 1, 1).bytes();
    EXPECT_EQ(animationOf(largestFrame).frames.size(), 1);
}

TEST(GIFDecoder, DecodesAStillImageAsOneFrameOfTheDefaultDelay)
{
    QImage image = filled({4, 3}, Qt::blue);
    image.setPixel(1, 2, qRgb(255, 0, 0));
    for (const char* format : {"png", "bmp"}) {
        const auto animation = animationOf(encoded(image, format));
        ASSERT_EQ(animation.frames.size(), 1) << format;
        EXPECT_EQ(animation.delays, QList<double>{0.1}) << format;
        EXPECT_EQ(animation.frames[0].size(), QSize(4, 3)) << format;
        EXPECT_EQ(QColor(animation.frames[0].pixel(1, 2)), QColor(255, 0, 0)) << format;
        EXPECT_EQ(QColor(animation.frames[0].pixel(0, 0)), QColor(0, 0, 255)) << format;
    }
    EXPECT_EQ(animationOf(encoded(filled({8, 36}, Qt::red), "png")).frames.value(0).size(), QSize(4, 18));
}

TEST(GIFDecoder, HoldsAStillImageToTheFrameLimits)
{
    constexpr int largest = GIFDecoder::maximumSide;
    EXPECT_EQ(errorOf(encoded(filled({largest, 1}, Qt::red), "png")), std::nullopt);
    EXPECT_EQ(errorOf(encoded(filled({1, largest}, Qt::red), "png")), std::nullopt);
    EXPECT_EQ(errorOf(encoded(filled({largest + 1, 1}, Qt::red), "png")), DecodingError::InvalidData);
    EXPECT_EQ(errorOf(encoded(filled({1, largest + 1}, Qt::red), "png")), DecodingError::InvalidData);

    const auto png = encoded(filled({16, 16}, Qt::red), "png");
    auto damaged = png;
    damaged.replace(damaged.size() / 2, 8, QByteArray(8, '\xff'));
    const QList<std::pair<const char*, QByteArray>> refused{
        {"truncated", png.left(png.size() / 2)},
        {"damaged", damaged},
        {"signature only", png.left(8)},
        {"a GIF header alone", "GIF89a"},
    };
    for (const auto& [name, data] : refused)
        EXPECT_EQ(errorOf(data), DecodingError::InvalidData) << name;
}

TEST(GIFDecoder, TruncatedFilesGiveAnErrorOrTheCompleteFrames)
{
    const auto gif = GifBuilder(8, 8).frame(1, 3).frame(2, 3).frame(3, 3).bytes();
    for (qsizetype length = 0; length < gif.size(); ++length) {
        const auto result = GIFDecoder::decode(gif.left(length), 18);
        if (const auto* animation = std::get_if<GIFDecoder::Animation>(&result)) {
            EXPECT_EQ(animation->frames.size(), animation->delays.size());
            EXPECT_LE(animation->frames.size(), 3);
        }
    }
}

TEST(GIFDecoder, ErrorsHaveFixedMessages)
{
    EXPECT_EQ(GIFDecoder::description(DecodingError::InvalidData), "Invalid GIF data");
    EXPECT_EQ(GIFDecoder::description(DecodingError::NoFrames), "GIF contains no frames");
    EXPECT_EQ(GIFDecoder::description(DecodingError::FileTooLarge), "GIF file is too large (max 2MB)");
    EXPECT_EQ(GIFDecoder::description(DecodingError::TooManyFrames), "GIF has too many frames (max 120)");
}

} // namespace
