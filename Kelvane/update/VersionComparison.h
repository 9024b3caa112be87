// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// Versions compare by their dot-separated parts as numbers ("1.10" is newer
// than "1.9"); a missing part counts as 0, so "1.2" equals "1.2.0". A part
// counts by its leading digits ("3rc1" is 3), and a part without any is 0.
// Negative when `a` is older than `b`, 0 when equal, positive when newer.
int compareVersions(QStringView a, QStringView b);

inline bool isNewerVersion(QStringView candidate, QStringView current)
{
    return compareVersions(candidate, current) > 0;
}
