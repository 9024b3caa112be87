// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QString>

// The display looks, as the widget names them. The raw strings are those the
// app stores for its display type.
enum class WidgetDisplayType { DotMatrix, SevenSegment, FlipClock, SmallAndBig };

template <>
struct platform::RawValues<WidgetDisplayType> {
    static constexpr std::array cases{
        std::pair{WidgetDisplayType::DotMatrix, std::string_view{"dotMatrix"}},
        std::pair{WidgetDisplayType::SevenSegment, std::string_view{"sevenSegmentV2"}},
        std::pair{WidgetDisplayType::FlipClock, std::string_view{"flipClock"}},
        std::pair{WidgetDisplayType::SmallAndBig, std::string_view{"smallAndBig"}},
    };
};

QString displayName(WidgetDisplayType type);

// The user's appearance choices as the widget reads them from the shared
// store, every one with a default: the key's own, except where the catalogue
// names the widget's. Colour ids and modes are resolved later by
// WidgetThemeLibrary; custom components are kept as stored.
struct WidgetAppearanceSettings {
    WidgetDisplayType displayType = SharedDefaultsKeys::displayType.as<WidgetDisplayType>().defaultValue;
    DotWeight dotWeight = SharedDefaultsKeys::dotWeight.as<DotWeight>().defaultValue;
    DotShape dotShape = SharedDefaultsKeys::dotShape.as<DotShape>().defaultValue;
    ColonMode colonMode = SharedDefaultsKeys::colonMode.as<ColonMode>().defaultValue;
    bool showLeadingZero = SharedDefaultsKeys::showLeadingZero.defaultValue;
    TimeFormat timeFormat = SharedDefaultsKeys::timeFormat.as<TimeFormat>().defaultValue;
    QString themeID = SharedDefaultsKeys::selectedThemeID.defaultValue;
    QString selectedColorID = SharedDefaultsKeys::widgetSelectedColorIDFallback;
    CompletionBehavior completionDisplayBehavior = SharedDefaultsKeys::completionDisplayBehavior.defaultValue;
    // The older multicolour flag, read only while no digit mode is stored.
    bool isMulticolorMode = SharedDefaultsKeys::isMulticolorMode.defaultValue;
    QString multicolorPaletteID = SharedDefaultsKeys::multicolorPaletteID.defaultValue;
    QString digitMode = SharedDefaultsKeys::digitMode.defaultValue;
    // Absent, the preset ids are the selected colour.
    QString digitPresetID = selectedColorID;
    QString backgroundMode = SharedDefaultsKeys::backgroundMode.defaultValue;
    QString backgroundPresetID = selectedColorID;
    double customDigitR = SharedDefaultsKeys::widgetCustomDotComponentFallback;
    double customDigitG = SharedDefaultsKeys::widgetCustomDotComponentFallback;
    double customDigitB = SharedDefaultsKeys::widgetCustomDotComponentFallback;
    double customDigitA = SharedDefaultsKeys::customDot.a.defaultValue;
    double customBgR = SharedDefaultsKeys::customBackground.r.defaultValue;
    double customBgG = SharedDefaultsKeys::customBackground.g.defaultValue;
    double customBgB = SharedDefaultsKeys::customBackground.b.defaultValue;
    double customBgA = SharedDefaultsKeys::customBackground.a.defaultValue;

    friend bool operator==(const WidgetAppearanceSettings&, const WidgetAppearanceSettings&) = default;

    // Reads every key once; never fails. Any thread.
    static WidgetAppearanceSettings current(const platform::UserDefaults& defaults);
};
