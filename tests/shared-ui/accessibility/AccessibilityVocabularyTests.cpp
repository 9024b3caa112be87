// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace ids = AccessibilityIdentifiers;
namespace labels = AccessibilityLabels;
namespace hints = AccessibilityHints;

TEST(AccessibilityIdentifiersTest, PresetFunctionMatchesTheFixedPresetsAndTakesAnyNumber)
{
    const struct {
        int minutes;
        QString expected;
    } cases[] = {
        {5, ids::Popover::preset5Min},       {10, ids::Popover::preset10Min}, {25, ids::Popover::preset25Min},
        {45, ids::Popover::preset45Min},     {0, u"popover.preset.0min"_s},   {-3, u"popover.preset.-3min"_s},
        {1000, u"popover.preset.1000min"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ids::Popover::presetButton(c.minutes), c.expected) << c.minutes;
    EXPECT_EQ(ids::Popover::preset25Min, u"popover.preset.25min");
}

TEST(AccessibilityIdentifiersTest, AreDistinctDottedLowerCamelPathsButForTheCustomPresetAlias)
{
    EXPECT_EQ(ids::Popover::customPresetButton, ids::Popover::presetCustom);

    const QStringList all = {
        ids::Popover::container,
        ids::Popover::timerDisplay,
        ids::Popover::stateLabel,
        ids::Popover::settingsButton,
        ids::Popover::preset5Min,
        ids::Popover::preset10Min,
        ids::Popover::preset25Min,
        ids::Popover::preset45Min,
        ids::Popover::presetCustom,
        ids::Popover::customDurationStepper,
        ids::Popover::customDurationValue,
        ids::Popover::startButton,
        ids::Popover::pauseButton,
        ids::Popover::resumeButton,
        ids::Popover::resetButton,
        ids::MenuBar::dotMatrixDisplay,
        ids::MenuBar::iconFallback,
        ids::Settings::generalTab,
        ids::Settings::appearanceTab,
        ids::Settings::behaviorTab,
        ids::Settings::aboutTab,
        ids::Settings::launchAtLoginToggle,
        ids::Settings::globalShortcutsToggle,
        ids::Settings::displayTypePicker,
        ids::Settings::displayScalePicker,
        ids::Settings::dotWeightPicker,
        ids::Settings::dotShapePicker,
        ids::Settings::colonModePicker,
        ids::Settings::themeChangeButton,
        ids::Settings::timeFormatPicker,
        ids::Settings::showLeadingZeroToggle,
        ids::Settings::completionBehaviorPicker,
        ids::Settings::notificationToggle,
        ids::Settings::soundToggle,
        ids::Settings::preventSleepToggle,
        ids::Settings::keepScreenOnToggle,
        ids::Settings::keepScreenOnOnlyWhenChargingToggle,
        ids::Settings::resetAllButton,
        ids::Settings::animationPicker,
        ids::Settings::animationPreview,
        ids::Settings::appName,
        ids::Settings::version,
        ids::Settings::websiteLink,
        ids::Settings::copyright,
        ids::Widget::dotMatrixDisplay,
        ids::Widget::statusIndicator,
    };
    const QRegularExpression dottedPath(u"^[a-z][A-Za-z]*(\\.[a-z0-9][A-Za-z0-9]*)+$"_s);
    for (const auto& id : all)
        EXPECT_TRUE(dottedPath.match(id).hasMatch()) << id.toStdString();
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
}

TEST(AccessibilityLabelsTest, BuildsTextsFromValues)
{
    const struct {
        QString actual;
        QString expected;
    } cases[] = {
        {labels::Popover::stateLabel(u"running"), u"Timer is running"_s},
        {labels::Popover::stateLabel(u""), u"Timer is "_s},
        {labels::Popover::presetButton(5), u"5 minute preset"_s},
        {labels::Popover::customDuration(1), u"Custom duration: 1 minutes"_s},
        {labels::Popover::customDuration(-2), u"Custom duration: -2 minutes"_s},
        {labels::MenuBar::dotMatrixDisplay(u"25:00"), u"Timer: 25:00"_s},
        {hints::Popover::presetButton(true), u"Unavailable while timer is running"_s},
        {hints::Popover::presetButton(false), u"Double tap to select this preset"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected);
}
