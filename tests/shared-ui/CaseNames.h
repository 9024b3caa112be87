// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cctype>
#include <string>

// A table case's description as a test name: letters and digits kept, the
// rest turned into underscores.
inline std::string caseName(std::string description)
{
    for (char& ch : description)
        ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return description;
}
