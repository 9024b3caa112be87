// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stable machine-readable names of the app's and the widget's views, for UI
// automation. Views set them as their objectName. Dotted lower-camel paths of
// screen, group and element; never change one once shipped.

#include <QString>

namespace AccessibilityIdentifiers {

using namespace Qt::Literals::StringLiterals;

namespace Popover {
inline const QString container = u"popover.container"_s;
inline const QString timerDisplay = u"popover.timerDisplay"_s;
inline const QString stateLabel = u"popover.stateLabel"_s;
inline const QString settingsButton = u"popover.settingsButton"_s;
inline const QString preset5Min = u"popover.preset.5min"_s;
inline const QString preset10Min = u"popover.preset.10min"_s;
inline const QString preset25Min = u"popover.preset.25min"_s;
inline const QString preset45Min = u"popover.preset.45min"_s;
inline const QString presetCustom = u"popover.preset.custom"_s;
// The custom preset button is the custom preset.
inline const QString customPresetButton = presetCustom;
inline const QString customDurationStepper = u"popover.customDuration.stepper"_s;
inline const QString customDurationValue = u"popover.customDuration.value"_s;
inline const QString startButton = u"popover.button.start"_s;
inline const QString pauseButton = u"popover.button.pause"_s;
inline const QString resumeButton = u"popover.button.resume"_s;
inline const QString resetButton = u"popover.button.reset"_s;

// "popover.preset.<minutes>min", for any minutes (no range check); the same
// text as the fixed members for 5, 10, 25 and 45.
QString presetButton(int minutes);
} // namespace Popover

namespace MenuBar {
inline const QString dotMatrixDisplay = u"menuBar.dotMatrix"_s;
inline const QString iconFallback = u"menuBar.iconFallback"_s;
} // namespace MenuBar

namespace Settings {
inline const QString generalTab = u"settings.tab.general"_s;
inline const QString appearanceTab = u"settings.tab.appearance"_s;
inline const QString behaviorTab = u"settings.tab.behavior"_s;
inline const QString aboutTab = u"settings.tab.about"_s;
inline const QString launchAtLoginToggle = u"settings.general.launchAtLogin"_s;
inline const QString globalShortcutsToggle = u"settings.general.globalShortcuts"_s;
inline const QString displayTypePicker = u"settings.appearance.displayType"_s;
inline const QString displayScalePicker = u"settings.appearance.displayScale"_s;
inline const QString dotWeightPicker = u"settings.appearance.dotWeight"_s;
inline const QString dotShapePicker = u"settings.appearance.dotShape"_s;
inline const QString colonModePicker = u"settings.appearance.colonMode"_s;
inline const QString themeChangeButton = u"settings.appearance.theme.change"_s;
inline const QString timeFormatPicker = u"settings.appearance.timeFormat"_s;
inline const QString showLeadingZeroToggle = u"settings.appearance.showLeadingZero"_s;
inline const QString completionBehaviorPicker = u"settings.behavior.completionBehavior"_s;
inline const QString notificationToggle = u"settings.behavior.notification"_s;
inline const QString soundToggle = u"settings.behavior.sound"_s;
inline const QString preventSleepToggle = u"settings.behavior.preventSleep"_s;
inline const QString keepScreenOnToggle = u"settings.behavior.keepScreenOn"_s;
inline const QString keepScreenOnOnlyWhenChargingToggle = u"settings.behavior.keepScreenOnOnlyWhenCharging"_s;
inline const QString resetAllButton = u"settings.behavior.resetAll"_s;
inline const QString animationPicker = u"settings.appearance.animationPicker"_s;
inline const QString animationPreview = u"settings.appearance.animationPreview"_s;
inline const QString appName = u"settings.about.appName"_s;
inline const QString version = u"settings.about.version"_s;
inline const QString websiteLink = u"settings.about.websiteLink"_s;
inline const QString copyright = u"settings.about.copyright"_s;
} // namespace Settings

namespace Widget {
inline const QString dotMatrixDisplay = u"widget.dotMatrix"_s;
inline const QString statusIndicator = u"widget.status"_s;
} // namespace Widget

} // namespace AccessibilityIdentifiers
