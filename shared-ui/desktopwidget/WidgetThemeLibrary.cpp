// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

using namespace Qt::Literals::StringLiterals;

namespace WidgetThemeLibrary {
namespace {

constexpr ColorComponents opaqueWhite{1, 1, 1, 1};

// A preset's components as the drawing colour reads them back.
ColorComponents srgbRoundTrip(const ColorComponents& components)
{
    const QColor color = srgbColor(components);
    return {color.redF(), color.greenF(), color.blueF(), color.alphaF()};
}

ColorComponents digitsOf(const DisplayColor& color)
{
    return {color.dotR, color.dotG, color.dotB, color.dotA};
}

ColorComponents backgroundOf(const DisplayColor& color)
{
    return {color.bgR, color.bgG, color.bgB, color.bgA};
}

DotTheme themeOf(const ColorComponents& digits, const ColorComponents& background)
{
    return {srgbColor(digits), srgbColor(background)};
}

} // namespace

DisplayColor currentDisplayColor(const platform::UserDefaults& defaults)
{
    // The key's own default, not the appearance reader's "dark": with nothing
    // chosen the widget shows no theme.
    return DisplayColor::color(SharedDefaultsKeys::selectedColorID.read(defaults));
}

DotTheme currentTheme(const platform::UserDefaults& defaults)
{
    const DisplayColor color = currentDisplayColor(defaults);
    return themeOf(digitsOf(color), backgroundOf(color));
}

QString currentThemeIdentifier(const platform::UserDefaults& defaults)
{
    return currentDisplayColor(defaults).id;
}

ColorComponents resolvedDigitColor(const WidgetAppearanceSettings& settings)
{
    if (settings.digitMode == u"custom")
        return {settings.customDigitR, settings.customDigitG, settings.customDigitB, settings.customDigitA};
    if (settings.digitMode == u"multicolor")
        return opaqueWhite;
    return srgbRoundTrip(digitsOf(DisplayColor::color(settings.digitPresetID)));
}

ColorComponents resolvedBackgroundColor(const WidgetAppearanceSettings& settings)
{
    if (settings.backgroundMode == u"custom")
        return {settings.customBgR, settings.customBgG, settings.customBgB, settings.customBgA};
    return srgbRoundTrip(backgroundOf(DisplayColor::color(settings.backgroundPresetID)));
}

std::optional<MulticolorPalette> resolvedPalette(const WidgetAppearanceSettings& settings)
{
    if (settings.digitMode != u"multicolor" && !settings.isMulticolorMode)
        return std::nullopt;
    return MulticolorPalette::palette(settings.multicolorPaletteID);
}

DisplayColor resolvedDisplayColor(const WidgetAppearanceSettings& settings)
{
    return {u"resolved"_s, u"Resolved"_s, resolvedDigitColor(settings), resolvedBackgroundColor(settings)};
}

DotTheme resolvedTheme(const WidgetAppearanceSettings& settings)
{
    return themeOf(resolvedDigitColor(settings), resolvedBackgroundColor(settings));
}

} // namespace WidgetThemeLibrary
