// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include "LzwEncoder.h"

#include <algorithm>
#include <stdexcept>

namespace {

void appendWord(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void appendByte(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
}

// The colour table holds 2^(n + 1) entries; the smallest n that fits.
int colorTableBits(std::size_t colorCount)
{
    int bits = 1;
    while ((std::size_t{1} << bits) < colorCount)
        ++bits;
    return bits;
}

void validate(const GifImage& image)
{
    const auto fitsWord = [](int value) { return value >= 1 && value <= 0xffff; };
    if (!fitsWord(image.width) || !fitsWord(image.height))
        throw std::invalid_argument("GIF width and height must be 1 to 65535");
    if (image.palette.empty() || image.palette.size() > 256)
        throw std::invalid_argument("GIF palette must hold 1 to 256 colours");
    if (image.frames.empty())
        throw std::invalid_argument("GIF needs at least one frame");
    const auto pixelCount = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    for (const GifFrame& frame : image.frames) {
        if (frame.indices.size() != pixelCount)
            throw std::invalid_argument("GIF frame does not cover the canvas");
        if (std::ranges::any_of(frame.indices, [&](std::uint8_t index) { return index >= image.palette.size(); }))
            throw std::invalid_argument("GIF frame uses a colour outside the palette");
        if (image.version == GifVersion::V87a && frame.delayCentiseconds != GifFrame::defaultDelayCentiseconds)
            throw std::invalid_argument("GIF87a cannot carry frame delays");
        if (frame.delayCentiseconds < 0 || frame.delayCentiseconds > 0xffff)
            throw std::invalid_argument("GIF frame delay must be 0 to 65535 centiseconds");
    }
}

void appendSubBlocks(QByteArray& out, const QByteArray& data)
{
    for (qsizetype offset = 0; offset < data.size(); offset += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - offset);
        appendByte(out, static_cast<int>(length));
        out.append(data.mid(offset, length));
    }
    appendByte(out, 0);
}

} // namespace

QByteArray encodeGif(const GifImage& image)
{
    validate(image);
    const int tableBits = colorTableBits(image.palette.size());

    QByteArray out;
    out.append(image.version == GifVersion::V87a ? "GIF87a" : "GIF89a");

    // Logical screen: a global table of 2^tableBits entries, 8 bits a primary.
    appendWord(out, image.width);
    appendWord(out, image.height);
    appendByte(out, 0x80 | (7 << 4) | (tableBits - 1));
    appendByte(out, 0); // background colour index
    appendByte(out, 0); // no pixel aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb color = i < static_cast<int>(image.palette.size()) ? image.palette[static_cast<std::size_t>(i)] : 0;
        appendByte(out, qRed(color));
        appendByte(out, qGreen(color));
        appendByte(out, qBlue(color));
    }

    const int minCodeSize = std::max(2, tableBits);
    for (const GifFrame& frame : image.frames) {
        if (image.version == GifVersion::V89a) {
            // Graphic control: leave the frame in place, no transparency.
            appendByte(out, 0x21);
            appendByte(out, 0xf9);
            appendByte(out, 4);
            appendByte(out, 1 << 2);
            appendWord(out, frame.delayCentiseconds);
            appendByte(out, 0);
            appendByte(out, 0);
        }
        appendByte(out, 0x2c);
        appendWord(out, 0);
        appendWord(out, 0);
        appendWord(out, image.width);
        appendWord(out, image.height);
        appendByte(out, 0); // no local table, not interlaced
        appendByte(out, minCodeSize);
        appendSubBlocks(out, lzwEncode(frame.indices, minCodeSize));
    }
    appendByte(out, 0x3b);
    return out;
}
