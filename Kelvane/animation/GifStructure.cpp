// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/GifStructure.h"

namespace {

class ByteReader {
public:
    explicit ByteReader(const QByteArray& data)
        : m_data(data)
    {
    }

    bool has(qsizetype count) const { return m_position + count <= m_data.size(); }
    quint8 byte() { return static_cast<quint8>(m_data.at(m_position++)); }
    int littleEndian16()
    {
        const int low = byte();
        return low | (byte() << 8);
    }
    bool skip(qsizetype count)
    {
        if (!has(count))
            return false;
        m_position += count;
        return true;
    }
    // Skips a chain of data sub-blocks up to and including its terminator.
    bool skipSubBlocks()
    {
        while (has(1)) {
            const quint8 length = byte();
            if (length == 0)
                return true;
            if (!skip(length))
                return false;
        }
        return false;
    }

private:
    const QByteArray& m_data;
    qsizetype m_position = 0;
};

constexpr quint8 extensionIntroducer = 0x21;
constexpr quint8 imageSeparator = 0x2C;
constexpr quint8 trailer = 0x3B;
constexpr quint8 graphicControlLabel = 0xF9;

// Bytes of a colour table announced by a packed field, or 0 without one.
qsizetype colorTableBytes(quint8 packed)
{
    if (!(packed & 0x80))
        return 0;
    return 3 * (qsizetype(1) << ((packed & 0x07) + 1));
}

} // namespace

std::optional<GifStructure> GifStructure::read(const QByteArray& data)
{
    if (!data.startsWith("GIF87a") && !data.startsWith("GIF89a"))
        return std::nullopt;
    ByteReader reader(data);
    reader.skip(6);
    if (!reader.has(7))
        return std::nullopt;

    GifStructure gif;
    const int screenWidth = reader.littleEndian16();
    const int screenHeight = reader.littleEndian16();
    gif.screenSize = QSize(screenWidth, screenHeight);
    const quint8 packed = reader.byte();
    reader.skip(2); // background colour index, aspect ratio
    if (!reader.skip(colorTableBytes(packed)))
        return gif;

    std::optional<int> pendingDelay;
    while (reader.has(1)) {
        const quint8 introducer = reader.byte();
        if (introducer == trailer)
            break;
        if (introducer == extensionIntroducer) {
            if (!reader.has(1))
                break;
            const quint8 label = reader.byte();
            if (label == graphicControlLabel && reader.has(6)) {
                const quint8 size = reader.byte();
                if (size >= 4) {
                    reader.byte(); // disposal and flags
                    pendingDelay = reader.littleEndian16();
                    reader.byte(); // transparent index
                    if (!reader.skip(size - 4))
                        break;
                } else if (!reader.skip(size)) {
                    break;
                }
            }
            if (!reader.skipSubBlocks())
                break;
            continue;
        }
        if (introducer != imageSeparator || !reader.has(9))
            break;
        const int left = reader.littleEndian16();
        const int top = reader.littleEndian16();
        const int width = reader.littleEndian16();
        const int height = reader.littleEndian16();
        const quint8 imagePacked = reader.byte();
        if (!reader.skip(colorTableBytes(imagePacked)) || !reader.skip(1) || !reader.skipSubBlocks())
            break;
        gif.frames.append({QPoint(left, top), QSize(width, height), pendingDelay});
        pendingDelay.reset();
    }
    return gif;
}
