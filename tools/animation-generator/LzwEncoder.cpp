// SPDX-License-Identifier: GPL-3.0-or-later
#include "LzwEncoder.h"

#include <stdexcept>
#include <unordered_map>

namespace {

constexpr int maxCodeSize = 12;
constexpr int tableSize = 1 << maxCodeSize;

class BitPacker {
public:
    void write(int code, int size)
    {
        m_pending |= static_cast<std::uint32_t>(code) << m_pendingBits;
        m_pendingBits += size;
        while (m_pendingBits >= 8) {
            m_bytes.append(static_cast<char>(m_pending & 0xffu));
            m_pending >>= 8;
            m_pendingBits -= 8;
        }
    }

    QByteArray finish()
    {
        if (m_pendingBits > 0)
            m_bytes.append(static_cast<char>(m_pending & 0xffu));
        m_pending = 0;
        m_pendingBits = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    std::uint32_t m_pending = 0;
    int m_pendingBits = 0;
};

} // namespace

QByteArray lzwEncode(std::span<const std::uint8_t> indices, int minCodeSize)
{
    if (minCodeSize < 2 || minCodeSize > 8)
        throw std::invalid_argument("LZW minimum code size must be 2 to 8");
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    for (const std::uint8_t index : indices) {
        if (index >= clearCode)
            throw std::invalid_argument("colour index does not fit the minimum code size");
    }

    // (prefix code << 8 | next index) -> code of that string
    std::unordered_map<std::uint32_t, int> table;
    int codeSize = minCodeSize + 1;
    int nextCode = clearCode + 2;
    const auto reset = [&] {
        table.clear();
        codeSize = minCodeSize + 1;
        nextCode = clearCode + 2;
    };

    BitPacker out;
    out.write(clearCode, codeSize);
    if (indices.empty()) {
        out.write(endCode, codeSize);
        return out.finish();
    }

    int current = indices.front();
    for (const std::uint8_t index : indices.subspan(1)) {
        const std::uint32_t key = static_cast<std::uint32_t>(current) << 8 | index;
        if (const auto found = table.find(key); found != table.end()) {
            current = found->second;
            continue;
        }
        out.write(current, codeSize);
        table.emplace(key, nextCode++);
        if (nextCode == tableSize) {
            out.write(clearCode, codeSize);
            reset();
        } else if (nextCode > (1 << codeSize)) {
            // The decoder adds each entry one code later than we do, so it
            // widens exactly when the entry just added needs the extra bit.
            ++codeSize;
        }
        current = index;
    }
    out.write(current, codeSize);
    // Reading that last code fills one more entry on the decoder's side,
    // which may widen the end code.
    if (nextCode == (1 << codeSize) && codeSize < maxCodeSize)
        ++codeSize;
    out.write(endCode, codeSize);
    return out.finish();
}
