// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace {

std::vector<QRgb> spreadPalette(int size)
{
    std::vector<QRgb> palette;
    for (int i = 0; i < size; ++i)
        palette.push_back(qRgb((i * 37) % 256, (i * 91 + 17) % 256, (i * 53 + 101) % 256));
    return palette;
}

// Noise is the hardest input for LZW: the table fills fastest and codes widen
// at every step.
GifFrame noiseFrame(int width, int height, int colors, std::uint32_t seed, int delay = 10)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, colors - 1);
    GifFrame frame;
    frame.delayCentiseconds = delay;
    for (int i = 0; i < width * height; ++i)
        frame.indices.push_back(static_cast<std::uint8_t>(pick(random)));
    return frame;
}

struct Decoded {
    std::vector<QImage> frames;
    std::vector<int> delays;
};

Decoded decode(const QByteArray& gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    Decoded decoded;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        decoded.frames.push_back(frame.convertToFormat(QImage::Format_RGB32));
        decoded.delays.push_back(reader.nextImageDelay());
    }
    return decoded;
}

// Counts the pixels that do not come back as written, so a failure says how much.
int wrongPixels(const QImage& decoded, const GifImage& image, const GifFrame& frame)
{
    int wrong = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const QRgb expected = image.palette[frame.indices[static_cast<std::size_t>(y * image.width + x)]];
            if ((decoded.pixel(x, y) & 0xffffff) != (expected & 0xffffff))
                ++wrong;
        }
    }
    return wrong;
}

void expectRoundTrip(const GifImage& image)
{
    const Decoded decoded = decode(encodeGif(image));
    ASSERT_EQ(decoded.frames.size(), image.frames.size());
    for (std::size_t i = 0; i < image.frames.size(); ++i) {
        ASSERT_EQ(decoded.frames[i].size(), QSize(image.width, image.height));
        EXPECT_EQ(wrongPixels(decoded.frames[i], image, image.frames[i]), 0) << "frame " << i;
    }
}

struct NoiseCase {
    int width;
    int height;
    int colors;
};

class GifNoise : public testing::TestWithParam<NoiseCase> { };

TEST_P(GifNoise, DecodesBackPixelForPixel)
{
    const auto [width, height, colors] = GetParam();
    GifImage image{GifVersion::V89a, width, height, spreadPalette(colors), {}};
    for (std::uint32_t seed = 1; seed <= 2; ++seed)
        image.frames.push_back(noiseFrame(width, height, colors, seed));
    expectRoundTrip(image);
}

INSTANTIATE_TEST_SUITE_P(GifWriter, GifNoise,
                         testing::Values(NoiseCase{1, 1, 1}, // the smallest table and code size
                                         NoiseCase{32, 18, 2}, // a built-in animation's size
                                         NoiseCase{32, 18, 3}, // a table padded to a power of two
                                         NoiseCase{32, 18, 16},
                                         NoiseCase{100, 100, 5}, // the code table runs out and starts over
                                         NoiseCase{160, 120, 256}),
                         [](const testing::TestParamInfo<NoiseCase>& testCase) {
                             const NoiseCase& c = testCase.param;
                             return std::to_string(c.width) + "x" + std::to_string(c.height) + "with"
                                 + std::to_string(c.colors) + "colors";
                         });

TEST(GifWriter, FlatFramesRoundTrip)
{
    GifFrame flat;
    flat.indices.assign(32 * 18, 1);
    expectRoundTrip(GifImage{GifVersion::V87a, 32, 18, spreadPalette(2), {flat, flat}});
}

TEST(GifWriter, Gif89aCarriesEachFramesDelay)
{
    GifImage image{GifVersion::V89a, 4, 3, spreadPalette(2), {}};
    for (const int delay : {10, 30, 20, 10})
        image.frames.push_back(noiseFrame(4, 3, 2, 3, delay));
    const QByteArray gif = encodeGif(image);
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(decode(gif).delays, (std::vector<int>{100, 300, 200, 100}));
}

TEST(GifWriter, Gif87aHasNoExtensionBlocks)
{
    GifImage image{GifVersion::V87a, 4, 3, spreadPalette(2), {noiseFrame(4, 3, 2, 5), noiseFrame(4, 3, 2, 6)}};
    const QByteArray gif = encodeGif(image);
    EXPECT_TRUE(gif.startsWith("GIF87a"));
    // Header, screen, a two-colour table, then straight to the first image.
    EXPECT_EQ(gif.at(6 + 7 + 6), '\x2c');
    EXPECT_EQ(decode(gif).delays, (std::vector<int>{100, 100}));
}

TEST(GifWriter, RefusesWhatItCannotWrite)
{
    const GifImage good{GifVersion::V89a, 2, 2, spreadPalette(2), {noiseFrame(2, 2, 2, 1)}};
    ASSERT_NO_THROW(encodeGif(good));

    std::vector<GifImage> bad(7, good);
    bad[0].palette.clear();
    bad[1].palette = spreadPalette(257);
    bad[2].frames.clear();
    bad[3].frames[0].indices.pop_back();
    bad[4].frames[0].indices[0] = 2; // beyond the two colours
    bad[5].version = GifVersion::V87a;
    bad[5].frames[0].delayCentiseconds = 30; // 87a has nowhere to put it
    bad[6].width = 0;
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(encodeGif(bad[i]), std::invalid_argument) << "case " << i;
}

} // namespace
