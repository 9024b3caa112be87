// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>

#include <optional>

// Writes small GIF files for tests: a four-colour palette and frames filled
// with one colour, LZW-coded with a clear code every two pixels so the code
// width never grows; or frames that declare a size but carry no pixels, for
// files the decoder must refuse from their structure alone.
class GifBuilder {
public:
    GifBuilder(int width, int height)
        : m_width(width)
        , m_height(height)
    {
    }

    GifBuilder& frame(int colorIndex, std::optional<int> delayCentiseconds = std::nullopt, int width = 0,
                      int height = 0, QPoint offset = {})
    {
        width = width ? width : m_width;
        height = height ? height : m_height;
        m_frames.append({colorIndex, delayCentiseconds, width, height, offset, width * height});
        return *this;
    }

    GifBuilder& emptyFrame(int width, int height, QPoint offset = {})
    {
        m_frames.append({0, std::nullopt, width, height, offset, 0});
        return *this;
    }

    QByteArray bytes() const
    {
        QByteArray out("GIF89a");
        put16(out, m_width);
        put16(out, m_height);
        out.append(char(0x81)); // global colour table of 4 entries
        out.append(char(0));
        out.append(char(0));
        const unsigned char palette[] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
        out.append(reinterpret_cast<const char*>(palette), sizeof palette);
        for (const auto& f : m_frames) {
            if (f.delay) {
                out.append("\x21\xF9\x04\x00", 4);
                put16(out, *f.delay);
                out.append("\x00\x00", 2);
            }
            out.append(char(0x2C));
            put16(out, f.offset.x());
            put16(out, f.offset.y());
            put16(out, f.width);
            put16(out, f.height);
            out.append(char(0));
            out.append(char(2)); // LZW minimum code size
            appendSubBlocks(out, lzw(f.color, f.codedPixels));
        }
        out.append(char(0x3B));
        return out;
    }

private:
    struct Frame {
        int color;
        std::optional<int> delay;
        int width;
        int height;
        QPoint offset;
        int codedPixels; // none for an empty frame
    };

    static void put16(QByteArray& out, int value)
    {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    }

    static QByteArray lzw(int color, int pixels)
    {
        constexpr int clear = 4;
        constexpr int end = 5;
        QByteArray packed;
        unsigned bits = 0;
        int count = 0;
        const auto put = [&](int code) {
            bits |= unsigned(code) << count;
            count += 3;
            while (count >= 8) {
                packed.append(char(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        };
        for (int i = 0; i < pixels; ++i) {
            if (i % 2 == 0)
                put(clear);
            put(color);
        }
        put(end);
        if (count > 0)
            packed.append(char(bits & 0xFF));
        return packed;
    }

    static void appendSubBlocks(QByteArray& out, const QByteArray& data)
    {
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const auto chunk = data.mid(at, 255);
            out.append(char(chunk.size()));
            out.append(chunk);
        }
        out.append(char(0));
    }

    int m_width;
    int m_height;
    QList<Frame> m_frames;
};
