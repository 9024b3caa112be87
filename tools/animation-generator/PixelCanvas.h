// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GifWriter.h"

#include <QRgb>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A colour of an animation's palette, named by one character so that
// sprites can be written as pictures.
struct Ink {
    char name;
    QRgb rgb;
};

// A small paletted picture to draw one frame on. Drawing outside the canvas
// is clipped, so sprites may enter and leave at the edges.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, char background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    char at(int x, int y) const;

    void set(int x, int y, char ink);
    void fillRect(int x, int y, int w, int h, char ink);
    void line(int x0, int y0, int x1, int y1, char ink);
    // A picture of rows of ink names; '.' leaves the canvas as it is.
    void draw(int x, int y, std::initializer_list<std::string_view> picture);
    void draw(int x, int y, const std::vector<std::string>& picture);

    // The palette indices of the pixels, row by row.
    std::vector<std::uint8_t> indices(const std::vector<Ink>& inks) const;

private:
    void drawRow(int x, int y, std::string_view row);

    int m_width;
    int m_height;
    std::string m_pixels;
};

// The frames of one animation over its palette, ready to write.
class FrameSequence {
public:
    static constexpr int width = 32;
    static constexpr int height = 18;

    FrameSequence(GifVersion version, std::vector<Ink> inks, char background);

    PixelCanvas blank() const { return PixelCanvas(width, height, m_background); }
    void add(const PixelCanvas& frame, int delayCentiseconds = GifFrame::defaultDelayCentiseconds);
    GifImage image() const { return m_image; }

private:
    std::vector<Ink> m_inks;
    char m_background;
    GifImage m_image;
};

// A fixed-seed generator, so that every run of the generator draws the same art.
class PixelRandom {
public:
    explicit PixelRandom(std::uint32_t seed)
        : m_state(seed ? seed : 1)
    {
    }

    // Uniform in [0, bound); bound must be positive.
    int below(int bound);

private:
    std::uint32_t m_state;
};
