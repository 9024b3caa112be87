#pragma once

#include <QIcon>
#include <QString>

#include <optional>

// What the program tells about itself: its icon and the version it was built as.
namespace ProgramIdentity {

// The installed icon theme's icon of the program, else the copy built in.
QIcon icon();
// The project's version, as the build set it; none when it set none.
std::optional<QString> shortVersion();
// The build number the build was given; none when it gave none.
std::optional<QString> buildNumber();

} // namespace ProgramIdentity
