// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/core/OptionTable.h"

#include <QJsonDocument>

#include <cmath>
#include <optional>

namespace {

struct WidgetDisplayTypeRow {
    WidgetDisplayType option;
    std::string_view displayName;
};

constexpr std::array widgetDisplayTypes{
    WidgetDisplayTypeRow{WidgetDisplayType::DotMatrix, "Dot Matrix"},
    WidgetDisplayTypeRow{WidgetDisplayType::SevenSegment, "7-Segment"},
    WidgetDisplayTypeRow{WidgetDisplayType::FlipClock, "Flip Clock"},
    WidgetDisplayTypeRow{WidgetDisplayType::SmallAndBig, "Small & Big"},
};

namespace Keys = SharedDefaultsKeys;

// A colour component that no colour can be made of (NaN or infinite) reads
// as the key's default, like a value that is not a number at all.
double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

// The store's conversion to a number: 0 for what is not one. Absent, the
// fallback.
double storedComponent(const platform::UserDefaults& defaults, const stored::Key<double>& key, double fallback)
{
    if (!defaults.object(key))
        return fallback;
    return finiteOr(defaults.doubleValue(key), fallback);
}

// Only a stored number counts; anything else reads as the key's default.
double storedNumber(const platform::UserDefaults& defaults, const stored::Key<double>& key)
{
    const double fallback = key.defaultValue;
    const auto value = defaults.object(key);
    if (!value)
        return fallback;
    if (const auto* real = std::get_if<double>(&*value))
        return finiteOr(*real, fallback);
    if (const auto* whole = std::get_if<qint64>(&*value))
        return static_cast<double>(*whole);
    return fallback;
}

// The style configuration the app's Appearance page edits, when it is stored
// and decodes.
std::optional<DisplayStyleConfig> storedStyleConfig(const platform::UserDefaults& defaults)
{
    const auto value = defaults.object(Keys::styleConfig);
    if (!value)
        return std::nullopt;
    QByteArray json;
    if (const auto* data = std::get_if<QByteArray>(&*value))
        json = *data;
    else if (const auto* text = std::get_if<QString>(&*value))
        json = text->toUtf8();
    else
        return std::nullopt;
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return DisplayStyleConfig::fromJson(document.object());
}

} // namespace

QString displayName(WidgetDisplayType type)
{
    return optiontable::text(optiontable::rowFor(widgetDisplayTypes, type).displayName);
}

WidgetAppearanceSettings WidgetAppearanceSettings::current(const platform::UserDefaults& defaults)
{
    WidgetAppearanceSettings settings;
    settings.displayType = Keys::displayType.as<WidgetDisplayType>().read(defaults);

    // The Appearance page writes only the style configuration; the separate
    // keys are what older versions left behind.
    if (const auto style = storedStyleConfig(defaults)) {
        settings.dotWeight = style->dotWeight;
        settings.dotShape = style->dotShape;
        settings.colonMode = style->colonMode;
    } else {
        settings.dotWeight = Keys::dotWeight.as<DotWeight>().read(defaults);
        settings.dotShape = Keys::dotShape.as<DotShape>().read(defaults);
        settings.colonMode = Keys::colonMode.as<ColonMode>().read(defaults);
    }

    settings.timeFormat = Keys::timeFormat.as<TimeFormat>().read(defaults);
    settings.showLeadingZero = Keys::showLeadingZero.read(defaults);
    settings.themeID = Keys::selectedThemeID.read(defaults);
    settings.selectedColorID = Keys::selectedColorID.read(defaults, Keys::widgetSelectedColorIDFallback);
    settings.completionDisplayBehavior = Keys::completionDisplayBehavior.read(defaults);
    // The older flag speaks only where no digit mode was ever stored: once
    // the user has chosen a digit mode, a leftover flag must not override a
    // solid choice.
    settings.isMulticolorMode = !defaults.object(Keys::digitMode) && defaults.boolValue(Keys::isMulticolorMode);
    settings.multicolorPaletteID = Keys::multicolorPaletteID.read(defaults);
    settings.digitMode = Keys::digitMode.read(defaults);
    settings.digitPresetID = Keys::digitPresetID.read(defaults, settings.selectedColorID);
    settings.backgroundMode = Keys::backgroundMode.read(defaults);
    settings.backgroundPresetID = Keys::backgroundPresetID.read(defaults, settings.selectedColorID);

    const auto& dot = Keys::customDot;
    settings.customDigitR = storedComponent(defaults, dot.r, Keys::widgetCustomDotComponentFallback);
    settings.customDigitG = storedComponent(defaults, dot.g, Keys::widgetCustomDotComponentFallback);
    settings.customDigitB = storedComponent(defaults, dot.b, Keys::widgetCustomDotComponentFallback);
    settings.customDigitA = storedNumber(defaults, dot.a);
    const auto& background = Keys::customBackground;
    settings.customBgR = storedComponent(defaults, background.r, background.r.defaultValue);
    settings.customBgG = storedComponent(defaults, background.g, background.g.defaultValue);
    settings.customBgB = storedComponent(defaults, background.b, background.b.defaultValue);
    settings.customBgA = storedNumber(defaults, background.a);
    return settings;
}
