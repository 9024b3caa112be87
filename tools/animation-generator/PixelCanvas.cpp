// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

PixelCanvas::PixelCanvas(int width, int height, char background)
    : m_width(width)
    , m_height(height)
    , m_pixels(static_cast<std::size_t>(width * height), background)
{
}

char PixelCanvas::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return '\0';
    return m_pixels[static_cast<std::size_t>(y * m_width + x)];
}

void PixelCanvas::set(int x, int y, char ink)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_pixels[static_cast<std::size_t>(y * m_width + x)] = ink;
}

void PixelCanvas::fillRect(int x, int y, int w, int h, char ink)
{
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col)
            set(col, row, ink);
    }
}

void PixelCanvas::line(int x0, int y0, int x1, int y1, char ink)
{
    // Bresenham, every octant.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        set(x0, y0, ink);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void PixelCanvas::drawRow(int x, int y, std::string_view row)
{
    for (std::size_t col = 0; col < row.size(); ++col) {
        if (row[col] != '.')
            set(x + static_cast<int>(col), y, row[col]);
    }
}

void PixelCanvas::draw(int x, int y, std::initializer_list<std::string_view> picture)
{
    for (const std::string_view row : picture)
        drawRow(x, y++, row);
}

void PixelCanvas::draw(int x, int y, const std::vector<std::string>& picture)
{
    for (const std::string& row : picture)
        drawRow(x, y++, row);
}

std::vector<std::uint8_t> PixelCanvas::indices(const std::vector<Ink>& inks) const
{
    std::vector<std::uint8_t> result;
    result.reserve(m_pixels.size());
    for (const char pixel : m_pixels) {
        const auto ink = std::ranges::find(inks, pixel, &Ink::name);
        if (ink == inks.end())
            throw std::invalid_argument(std::string("no ink named '") + pixel + "'");
        result.push_back(static_cast<std::uint8_t>(ink - inks.begin()));
    }
    return result;
}

FrameSequence::FrameSequence(GifVersion version, std::vector<Ink> inks, char background)
    : m_inks(std::move(inks))
    , m_background(background)
{
    m_image.version = version;
    m_image.width = width;
    m_image.height = height;
    for (const Ink& ink : m_inks)
        m_image.palette.push_back(ink.rgb);
}

void FrameSequence::add(const PixelCanvas& frame, int delayCentiseconds)
{
    m_image.frames.push_back(GifFrame{frame.indices(m_inks), delayCentiseconds});
}

int PixelRandom::below(int bound)
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<int>(m_state % static_cast<std::uint32_t>(bound));
}
