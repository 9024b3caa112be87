// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRgb>

#include <cstdint>
#include <vector>

enum class GifVersion { V87a, V89a };

// One full-canvas frame: a palette index per pixel, row by row.
struct GifFrame {
    std::vector<std::uint8_t> indices;
    int delayCentiseconds = defaultDelayCentiseconds;

    // What readers show a frame for when the file carries no delay, as a
    // GIF87a file never does.
    static constexpr int defaultDelayCentiseconds = 10;
};

struct GifImage {
    GifVersion version = GifVersion::V89a;
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette; // 1 to 256 opaque colours, the global colour table
    std::vector<GifFrame> frames;
};

// A complete GIF file of opaque frames over one global colour table. A
// GIF89a file gives every frame a graphic control block with its delay; a
// GIF87a file cannot, so its frames must keep the default delay.
// Throws std::invalid_argument for an image that cannot be written so.
QByteArray encodeGif(const GifImage& image);
