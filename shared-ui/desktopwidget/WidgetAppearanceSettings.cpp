#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/core/OptionTable.h"

#include <QJsonDocument>

#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

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

namespace Keys {
constexpr auto displayType = "com.morrowfen.kelvane.appearance.displayType"_L1;
constexpr auto styleConfig = "com.morrowfen.kelvane.appearance.styleConfig"_L1;
constexpr auto dotWeight = "com.morrowfen.kelvane.appearance.dotWeight"_L1;
constexpr auto dotShape = "com.morrowfen.kelvane.appearance.dotShape"_L1;
constexpr auto colonMode = "com.morrowfen.kelvane.appearance.colonMode"_L1;
constexpr auto timeFormat = "com.morrowfen.kelvane.appearance.timeFormat"_L1;
constexpr auto showLeadingZero = "com.morrowfen.kelvane.appearance.showLeadingZero"_L1;
constexpr auto selectedColorID = "com.morrowfen.kelvane.appearance.selectedColorID"_L1;
constexpr auto completionDisplayBehavior = "com.morrowfen.kelvane.completion.displayBehavior"_L1;
constexpr auto isMulticolorMode = "com.morrowfen.kelvane.appearance.isMulticolorMode"_L1;
constexpr auto multicolorPaletteID = "com.morrowfen.kelvane.appearance.multicolorPaletteID"_L1;
constexpr auto digitMode = "com.morrowfen.kelvane.appearance.digitModeDiscriminator"_L1;
constexpr auto digitPresetID = "com.morrowfen.kelvane.appearance.digitPresetID"_L1;
constexpr auto backgroundMode = "com.morrowfen.kelvane.appearance.backgroundModeDiscriminator"_L1;
constexpr auto backgroundPresetID = "com.morrowfen.kelvane.appearance.backgroundPresetID"_L1;
constexpr auto customDotR = "com.morrowfen.kelvane.appearance.customDotR"_L1;
constexpr auto customDotG = "com.morrowfen.kelvane.appearance.customDotG"_L1;
constexpr auto customDotB = "com.morrowfen.kelvane.appearance.customDotB"_L1;
constexpr auto customDotA = "com.morrowfen.kelvane.appearance.customDotA"_L1;
constexpr auto customBgR = "com.morrowfen.kelvane.appearance.customBgR"_L1;
constexpr auto customBgG = "com.morrowfen.kelvane.appearance.customBgG"_L1;
constexpr auto customBgB = "com.morrowfen.kelvane.appearance.customBgB"_L1;
constexpr auto customBgA = "com.morrowfen.kelvane.appearance.customBgA"_L1;
} // namespace Keys

// The stored string as one of the enum's raw values (exactly), else `fallback`.
template <platform::RawValueEnum E>
E storedEnum(const platform::UserDefaults& defaults, QLatin1StringView key, E fallback)
{
    const auto text = defaults.string(key);
    return text ? platform::fromRawValue<E>(*text).value_or(fallback) : fallback;
}

QString storedString(const platform::UserDefaults& defaults, QLatin1StringView key, const QString& fallback)
{
    return defaults.string(key).value_or(fallback);
}

// Only a stored Boolean counts; anything else reads as false.
bool storedBoolean(const platform::UserDefaults& defaults, QLatin1StringView key)
{
    const auto value = defaults.object(key);
    const bool* flag = value ? std::get_if<bool>(&*value) : nullptr;
    return flag && *flag;
}

// A colour component that no colour can be made of (NaN or infinite) reads
// as the key's default, like a value that is not a number at all.
double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

// The store's conversion to a number: 0 for what is not one.
double storedComponent(const platform::UserDefaults& defaults, QLatin1StringView key)
{
    return finiteOr(defaults.doubleValue(key), 0.0);
}

// Only a stored number counts; anything else reads as `fallback`.
double storedNumber(const platform::UserDefaults& defaults, QLatin1StringView key, double fallback)
{
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
    const WidgetAppearanceSettings fallback;
    WidgetAppearanceSettings settings;
    settings.displayType = storedEnum(defaults, Keys::displayType, fallback.displayType);

    // The Appearance page writes only the style configuration; the separate
    // keys are what older versions left behind.
    if (const auto style = storedStyleConfig(defaults)) {
        settings.dotWeight = style->dotWeight;
        settings.dotShape = style->dotShape;
        settings.colonMode = style->colonMode;
    } else {
        settings.dotWeight = storedEnum(defaults, Keys::dotWeight, fallback.dotWeight);
        settings.dotShape = storedEnum(defaults, Keys::dotShape, fallback.dotShape);
        settings.colonMode = storedEnum(defaults, Keys::colonMode, fallback.colonMode);
    }

    settings.timeFormat = storedEnum(defaults, Keys::timeFormat, fallback.timeFormat);
    settings.showLeadingZero = storedBoolean(defaults, Keys::showLeadingZero);
    settings.themeID = storedString(defaults, SharedDefaultsKeys::selectedThemeID, fallback.themeID);
    settings.selectedColorID = storedString(defaults, Keys::selectedColorID, fallback.selectedColorID);
    settings.completionDisplayBehavior =
        storedEnum(defaults, Keys::completionDisplayBehavior, fallback.completionDisplayBehavior);
    settings.isMulticolorMode = defaults.boolValue(Keys::isMulticolorMode);
    settings.multicolorPaletteID = storedString(defaults, Keys::multicolorPaletteID, fallback.multicolorPaletteID);
    settings.digitMode = storedString(defaults, Keys::digitMode, fallback.digitMode);
    settings.digitPresetID = storedString(defaults, Keys::digitPresetID, settings.selectedColorID);
    settings.backgroundMode = storedString(defaults, Keys::backgroundMode, fallback.backgroundMode);
    settings.backgroundPresetID = storedString(defaults, Keys::backgroundPresetID, settings.selectedColorID);

    settings.customDigitR = storedComponent(defaults, Keys::customDotR);
    settings.customDigitG = storedComponent(defaults, Keys::customDotG);
    settings.customDigitB = storedComponent(defaults, Keys::customDotB);
    settings.customDigitA = storedNumber(defaults, Keys::customDotA, fallback.customDigitA);
    settings.customBgR = storedComponent(defaults, Keys::customBgR);
    settings.customBgG = storedComponent(defaults, Keys::customBgG);
    settings.customBgB = storedComponent(defaults, Keys::customBgB);
    settings.customBgA = storedNumber(defaults, Keys::customBgA, fallback.customBgA);
    return settings;
}

WidgetAppearanceSettings WidgetAppearanceSettings::current()
{
    return current(AppGroup::userDefaults());
}
