#pragma once

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/CompletionOptions.h"

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
// store, every one with a default. Colour ids and modes are resolved later by
// WidgetThemeLibrary; custom components are kept as stored.
struct WidgetAppearanceSettings {
    WidgetDisplayType displayType = WidgetDisplayType::DotMatrix;
    DotWeight dotWeight = DotWeight::Regular;
    DotShape dotShape = DotShape::Rounded;
    ColonMode colonMode = ColonMode::Contextual;
    bool showLeadingZero = false;
    TimeFormat timeFormat = TimeFormat::Minimal;
    QString themeID = QStringLiteral("classic");
    QString selectedColorID = QStringLiteral("dark");
    CompletionBehavior completionDisplayBehavior = CompletionBehavior::ShowCheckmark;
    bool isMulticolorMode = false;
    QString multicolorPaletteID = QStringLiteral("rainbow");
    QString digitMode = QStringLiteral("preset");
    QString digitPresetID = QStringLiteral("dark");
    QString backgroundMode = QStringLiteral("preset");
    QString backgroundPresetID = QStringLiteral("dark");
    double customDigitR = 0;
    double customDigitG = 0;
    double customDigitB = 0;
    double customDigitA = 1;
    double customBgR = 0;
    double customBgG = 0;
    double customBgB = 0;
    double customBgA = 1;

    friend bool operator==(const WidgetAppearanceSettings&, const WidgetAppearanceSettings&) = default;

    // Reads every key once; never fails. Any thread.
    static WidgetAppearanceSettings current(const platform::UserDefaults& defaults);
    // From the shared store.
    static WidgetAppearanceSettings current();
};
