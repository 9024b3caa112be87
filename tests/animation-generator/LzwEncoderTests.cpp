// SPDX-License-Identifier: GPL-3.0-or-later
#include "LzwEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A strict reader of GIF's LZW code stream: the stream must open with a clear
// code, use only codes the table holds, and finish with the end code read at
// the width the table has grown to, with nothing but padding after it. Qt's
// reader stops once it has its pixels, so it would let a wrong end code pass.
struct StrictDecode {
    std::vector<std::uint8_t> indices;
    std::string error;
};

StrictDecode strictDecode(const QByteArray& stream, int minCodeSize)
{
    StrictDecode result;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    // Each entry is its prefix's code (-1 for none) and its last index.
    struct Entry {
        int prefix;
        std::uint8_t last;
        std::uint8_t first;
    };
    std::vector<Entry> table;
    int codeSize = minCodeSize + 1;
    const auto reset = [&] {
        table.clear();
        for (int i = 0; i < clearCode + 2; ++i)
            table.push_back({-1, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i)});
        codeSize = minCodeSize + 1;
    };
    const auto append = [&](int code) {
        const auto start = result.indices.size();
        for (; code >= 0; code = table[static_cast<std::size_t>(code)].prefix)
            result.indices.push_back(table[static_cast<std::size_t>(code)].last);
        std::reverse(result.indices.begin() + static_cast<std::ptrdiff_t>(start), result.indices.end());
    };
    reset();

    qsizetype bit = 0;
    const auto read = [&]() -> std::optional<int> {
        if (bit + codeSize > stream.size() * 8)
            return std::nullopt;
        int code = 0;
        for (int i = 0; i < codeSize; ++i, ++bit) {
            const auto byte = static_cast<unsigned char>(stream[bit / 8]);
            code |= ((byte >> (bit % 8)) & 1) << i;
        }
        return code;
    };

    if (read() != clearCode) {
        result.error = "no clear code first";
        return result;
    }
    int previous = -1;
    for (;;) {
        const auto code = read();
        if (!code) {
            result.error = "ran out before the end code";
            return result;
        }
        if (*code == endCode)
            break;
        if (*code == clearCode) {
            reset();
            previous = -1;
            continue;
        }
        const bool known = *code < static_cast<int>(table.size());
        if (!known && (previous < 0 || *code != static_cast<int>(table.size()))) {
            result.error = "code " + std::to_string(*code) + " is not in the table";
            return result;
        }
        if (previous >= 0 && table.size() < 4096) {
            // The first index of this code's string; for the one code not yet
            // in the table, that of the previous string.
            const std::uint8_t first = table[static_cast<std::size_t>(known ? *code : previous)].first;
            table.push_back({previous, first, table[static_cast<std::size_t>(previous)].first});
        }
        if (table.size() == (std::size_t{1} << codeSize) && codeSize < 12)
            ++codeSize;
        append(*code);
        previous = *code;
    }
    if ((bit + 7) / 8 != stream.size())
        result.error = "bytes after the end code";
    return result;
}

struct StreamCase {
    int colors;
    int minCodeSize;
};

class LzwStream : public testing::TestWithParam<StreamCase> { };

std::vector<std::uint8_t> noise(std::size_t length, int colors)
{
    std::mt19937 random(42);
    std::uniform_int_distribution<int> pick(0, colors - 1);
    std::vector<std::uint8_t> indices(length);
    for (auto& index : indices)
        index = static_cast<std::uint8_t>(pick(random));
    return indices;
}

// Every short length, so that the end falls on each code width and just
// before, on and after each widening; then long streams that run the table
// out and start it over, some of them more than once.
TEST_P(LzwStream, DecodesStrictlyAtEveryLength)
{
    const auto [colors, minCodeSize] = GetParam();
    std::vector<std::size_t> lengths;
    for (std::size_t length = 0; length <= 1000; ++length)
        lengths.push_back(length);
    for (const std::size_t length : {4000u, 9001u, 20002u, 50003u})
        lengths.push_back(length);
    for (const std::size_t length : lengths) {
        const auto indices = noise(length, colors);
        const StrictDecode decoded = strictDecode(lzwEncode(indices, minCodeSize), minCodeSize);
        ASSERT_EQ(decoded.error, "") << "length " << length;
        ASSERT_EQ(decoded.indices, indices) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(LzwEncoder, LzwStream,
                         testing::Values(StreamCase{2, 2}, StreamCase{4, 2}, StreamCase{16, 4}, StreamCase{256, 8}),
                         [](const testing::TestParamInfo<StreamCase>& testCase) {
                             return std::to_string(testCase.param.colors) + "colorsFrom"
                                 + std::to_string(testCase.param.minCodeSize) + "bits";
                         });

TEST(LzwEncoder, RefusesIndicesAndCodeSizesItCannotCode)
{
    const std::vector<std::uint8_t> four{0, 1, 2, 4};
    EXPECT_THROW(lzwEncode(four, 2), std::invalid_argument);
    EXPECT_THROW(lzwEncode({}, 1), std::invalid_argument);
    EXPECT_THROW(lzwEncode({}, 9), std::invalid_argument);
    EXPECT_NO_THROW(lzwEncode(four, 3));
}

} // namespace
