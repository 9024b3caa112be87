// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// The four tabs of the settings window, in the order they are shown.
enum class SettingsTab { General = 0, Appearance = 1, Behavior = 2, About = 3 };

inline constexpr std::array allSettingsTabs{SettingsTab::General, SettingsTab::Appearance, SettingsTab::Behavior,
                                            SettingsTab::About};

// The tab with this raw value; none for any other number.
std::optional<SettingsTab> settingsTab(int rawValue);

QString title(SettingsTab tab);
// The name of the symbol drawn beside the title (see paintSymbol).
QString symbolName(SettingsTab tab);
// The digit that, with Control, selects the tab. Kept apart from the raw
// value so reordering the tabs does not move the keys.
int shortcutDigit(SettingsTab tab);
