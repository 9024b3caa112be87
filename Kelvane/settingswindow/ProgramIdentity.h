// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What the program tells about itself: the version it was built as.
namespace ProgramIdentity {

// The project's version, as the build set it; none when it set none.
std::optional<QString> shortVersion();
// The build number the build was given; none when it gave none.
std::optional<QString> buildNumber();

} // namespace ProgramIdentity
