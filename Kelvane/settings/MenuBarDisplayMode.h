// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"

// The form of the tray item: the whole display, a compact one, or an icon.
enum class MenuBarDisplayMode { Full, Compact, IconOnly };

template <>
struct platform::RawValues<MenuBarDisplayMode> {
    static constexpr std::array cases{
        std::pair{MenuBarDisplayMode::Full, std::string_view{"full"}},
        std::pair{MenuBarDisplayMode::Compact, std::string_view{"compact"}},
        std::pair{MenuBarDisplayMode::IconOnly, std::string_view{"iconOnly"}},
    };
};
