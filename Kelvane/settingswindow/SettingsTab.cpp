// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/SettingsTab.h"

namespace {

struct TabRow {
    SettingsTab tab;
    const char16_t* title;
    const char16_t* symbol;
    int digit;
};

constexpr std::array tabRows{
    TabRow{SettingsTab::General, u"General", u"gearshape", 1},
    TabRow{SettingsTab::Appearance, u"Appearance", u"paintbrush", 2},
    TabRow{SettingsTab::Behavior, u"Behavior", u"slider.horizontal.3", 3},
    TabRow{SettingsTab::About, u"About", u"info.circle", 4},
};

const TabRow& rowOf(SettingsTab tab)
{
    return tabRows[static_cast<std::size_t>(tab)];
}

} // namespace

std::optional<SettingsTab> settingsTab(int rawValue)
{
    for (const TabRow& row : tabRows) {
        if (static_cast<int>(row.tab) == rawValue)
            return row.tab;
    }
    return std::nullopt;
}

QString title(SettingsTab tab)
{
    return QString::fromUtf16(rowOf(tab).title);
}

QString symbolName(SettingsTab tab)
{
    return QString::fromUtf16(rowOf(tab).symbol);
}

int shortcutDigit(SettingsTab tab)
{
    return rowOf(tab).digit;
}
