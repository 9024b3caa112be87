// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/store/UserDefaults.h"

#include <optional>
#include <variant>

namespace platform::test {

// An update of a stored counter: one more than the integer it holds, 1 when
// it holds none.
inline std::optional<StoredValue> incremented(const std::optional<StoredValue>& current)
{
    const qint64* value = current ? std::get_if<qint64>(&*current) : nullptr;
    return StoredValue(qint64{value ? *value + 1 : 1});
}

} // namespace platform::test
