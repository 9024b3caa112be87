// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotOptions.h"

#include "PlatformKit/core/OptionTable.h"

#include <array>

namespace {

template <typename E>
struct NameRow {
    E option;
    std::string_view name;
};

constexpr std::array shapeNames{
    NameRow<DotShape>{DotShape::Rounded, "Rounded"},
    NameRow<DotShape>{DotShape::Square, "Square"},
};

constexpr std::array weightNames{
    NameRow<DotWeight>{DotWeight::Light, "Light"},
    NameRow<DotWeight>{DotWeight::Regular, "Regular"},
    NameRow<DotWeight>{DotWeight::Bold, "Bold"},
};

constexpr std::array colonModeNames{
    NameRow<ColonMode>{ColonMode::Always, "Always"},
    NameRow<ColonMode>{ColonMode::Pulsing, "Pulsing"},
    NameRow<ColonMode>{ColonMode::Contextual, "Contextual"},
};

} // namespace

QString displayName(DotShape shape)
{
    return optiontable::text(optiontable::rowFor(shapeNames, shape).name);
}

QString displayName(DotWeight weight)
{
    return optiontable::text(optiontable::rowFor(weightNames, weight).name);
}

QString displayName(ColonMode mode)
{
    return optiontable::text(optiontable::rowFor(colonModeNames, mode).name);
}
