// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader says an element does; views set these as their
// accessible description. Only the members listed here have a hint.

#include <QString>

namespace AccessibilityHints {

using namespace Qt::Literals::StringLiterals;

namespace Popover {
inline const QString settingsButton = u"Opens settings window"_s;
inline const QString startButton = u"Double tap to start the countdown"_s;
inline const QString pauseButton = u"Double tap to pause the countdown"_s;
inline const QString resumeButton = u"Double tap to resume the countdown"_s;
inline const QString resetButton = u"Double tap to reset the timer to idle state"_s;

// Presets cannot be changed while the timer runs.
QString presetButton(bool isDisabled);
} // namespace Popover

namespace Settings {
inline const QString launchAtLoginToggle = u"Automatically starts the app when you log in"_s;
inline const QString themeChangeButton = u"Opens theme selection view"_s;
inline const QString resetAllButton = u"Resets all preferences to factory defaults"_s;
inline const QString websiteLink = u"Opens website in browser"_s;
} // namespace Settings

} // namespace AccessibilityHints
