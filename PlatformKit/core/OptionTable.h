// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tables that describe each case of an option enum in one row, so that every
// property of a case reads from one place.

#include "PlatformKit/core/RawValueEnum.h"

#include <QString>

#include <array>
#include <string_view>

namespace optiontable {

// The row describing `option` in a table of rows with an `option` member.
// Tables list every case, so the fallback only serves values cast from
// outside the enum.
template <typename Row, std::size_t N>
constexpr const Row& rowFor(const std::array<Row, N>& rows, decltype(Row::option) option)
{
    static_assert(N == platform::RawValues<decltype(Row::option)>::cases.size(), "one row per case");
    for (const auto& row : rows) {
        if (row.option == option)
            return row;
    }
    return rows.front();
}

inline QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace optiontable
