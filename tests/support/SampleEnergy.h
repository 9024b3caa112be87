// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <limits>
#include <vector>

namespace platform::test {

// The sum of the squared samples from `from`, at most `count` of them: zero
// for silence.
inline double energy(const std::vector<float>& samples, std::size_t from = 0,
                     std::size_t count = std::numeric_limits<std::size_t>::max())
{
    const std::size_t end = from + std::min(count, samples.size() - std::min(from, samples.size()));
    double sum = 0;
    for (std::size_t i = from; i < end; ++i)
        sum += double(samples[i]) * samples[i];
    return sum;
}

} // namespace platform::test
