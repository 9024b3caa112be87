// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/StripPlace.h"

#include "PlatformKit/store/UserDefaults.h"

#include <cmath>

namespace {

// Only the x key's presence counts.
const QString stripX = QString::fromLatin1(stripPlaceXKey);
const QString stripY = QStringLiteral("com.morrowfen.kelvane.statusStrip.y");

} // namespace

platform::StripPlaceStore stripPlaceStore(platform::UserDefaults& defaults)
{
    return {
        [&defaults]() -> std::optional<QPoint> {
            if (!defaults.object(stripX))
                return std::nullopt;
            return QPoint(static_cast<int>(std::lround(defaults.doubleValue(stripX))),
                          static_cast<int>(std::lround(defaults.doubleValue(stripY))));
        },
        [&defaults](QPoint corner) {
            defaults.setDouble(stripX, corner.x());
            defaults.setDouble(stripY, corner.y());
        },
    };
}
