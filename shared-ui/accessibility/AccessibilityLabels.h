// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The English texts a screen reader speaks for the app's views; views set them
// as their accessible name. Only the members listed here have a label.

#include <QString>
#include <QStringView>

namespace AccessibilityLabels {

using namespace Qt::Literals::StringLiterals;

namespace Popover {
inline const QString timerDisplay = u"Timer display"_s;
inline const QString settingsButton = u"Settings"_s;
inline const QString customPresetButton = u"Custom duration preset"_s;
inline const QString startButton = u"Start timer"_s;
inline const QString pauseButton = u"Pause timer"_s;
inline const QString resumeButton = u"Resume timer"_s;
inline const QString resetButton = u"Reset timer"_s;

// "Timer is <state>".
QString stateLabel(QStringView state);
// "<minutes> minute preset".
QString presetButton(int minutes);
// "Custom duration: <minutes> minutes", plural even for one minute.
QString customDuration(int minutes);
} // namespace Popover

namespace MenuBar {
inline const QString iconFallback = u"Timer icon"_s;

// "Timer: <time>".
QString dotMatrixDisplay(QStringView time);
} // namespace MenuBar

namespace Settings {
inline const QString launchAtLoginToggle = u"Launch at login"_s;
inline const QString displayTypePicker = u"Display type"_s;
inline const QString displayScalePicker = u"Display scale"_s;
inline const QString dotWeightPicker = u"Dot weight"_s;
inline const QString colonModePicker = u"Colon mode"_s;
inline const QString completionBehaviorPicker = u"Completion display behavior"_s;
inline const QString notificationToggle = u"Show notification on completion"_s;
inline const QString soundToggle = u"Play sound on completion"_s;
inline const QString resetAllButton = u"Reset all settings to defaults"_s;
inline const QString websiteLink = u"Visit Morrowfen website"_s;
} // namespace Settings

} // namespace AccessibilityLabels
