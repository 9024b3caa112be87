// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon, shared by both programs' windows and the About page.
namespace ProgramIcon {

// The installed icon theme's icon of the program, else the copy built in.
QIcon icon();

} // namespace ProgramIcon
