// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/audio/TickStyle.h"

#include "PlatformKit/core/OptionTable.h"

namespace {

struct TickStyleRow {
    TickStyle option;
    std::string_view displayName;
};

constexpr std::array tickStyles{
    TickStyleRow{TickStyle::None, "None"},
    TickStyleRow{TickStyle::Mechanical, "Mechanical"},
    TickStyleRow{TickStyle::Soft, "Soft"},
    TickStyleRow{TickStyle::Digital, "Digital"},
};

} // namespace

QString displayName(TickStyle style)
{
    return optiontable::text(optiontable::rowFor(tickStyles, style).displayName);
}
