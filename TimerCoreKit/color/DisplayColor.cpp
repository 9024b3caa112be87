// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/DisplayColor.h"

#include "TimerCoreKit/color/ColorPresetLookup.h"
#include "TimerCoreKit/json/ColorJson.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr ColorComponents white{1, 1, 1, 1};
constexpr ColorComponents black{0, 0, 0, 1};

DisplayColor preset(QLatin1StringView id, QLatin1StringView name, ColorComponents digits,
                    ColorComponents background = black)
{
    return {id, name, digits, background};
}

// sRGB to linear light, with the WCAG 2.0 threshold.
double linearized(double component)
{
    const double c = clampedComponent(component);
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

size_t hashOptional(std::optional<double> value, size_t seed)
{
    return qHashMulti(seed, value.has_value(), value.value_or(0.0));
}

} // namespace

DisplayColor::DisplayColor(QString themeID, QString themeName, ColorComponents digits, ColorComponents background,
                           std::optional<ColorComponents> glow)
    : id(std::move(themeID))
    , name(std::move(themeName))
    , dotR(digits.r)
    , dotG(digits.g)
    , dotB(digits.b)
    , dotA(digits.a)
    , bgR(background.r)
    , bgG(background.g)
    , bgB(background.b)
    , bgA(background.a)
{
    if (glow) {
        glowR = glow->r;
        glowG = glow->g;
        glowB = glow->b;
        glowA = glow->a;
    }
}

DisplayColor DisplayColor::transparent()
{
    return preset("transparent"_L1, "Transparent"_L1, white, {0, 0, 0, 0});
}

// The member names tell the digit colour; the ids and names are the theme's.
DisplayColor DisplayColor::classicWhite()
{
    return preset("dark"_L1, "Dark"_L1, white);
}

DisplayColor DisplayColor::classicBlack()
{
    return preset("light"_L1, "Light"_L1, black, white);
}

DisplayColor DisplayColor::amber()
{
    return preset("amber"_L1, "Amber"_L1, {1.0, 0.75, 0.0, 1});
}

DisplayColor DisplayColor::greenTerminal()
{
    return preset("greenTerminal"_L1, "Green Terminal"_L1, {0.0, 1.0, 0.33, 1});
}

DisplayColor DisplayColor::blueGlow()
{
    return preset("blueGlow"_L1, "Blue Glow"_L1, {0.2, 0.6, 1.0, 1});
}

DisplayColor DisplayColor::vfdCyan()
{
    return preset("vfdCyan"_L1, "VFD Cyan"_L1, {0.0, 0.8, 1.0, 1});
}

DisplayColor DisplayColor::sunset()
{
    return preset("sunset"_L1, "Sunset"_L1, {1.0, 0.4, 0.2, 1});
}

DisplayColor DisplayColor::neonPink()
{
    return preset("neonPink"_L1, "Neon Pink"_L1, {1.0, 0.1, 0.6, 1});
}

const QList<DisplayColor>& DisplayColor::allColors()
{
    static const QList<DisplayColor> presets{
        transparent(), classicWhite(), classicBlack(), amber(),    greenTerminal(),
        blueGlow(),    vfdCyan(),      sunset(),       neonPink(),
    };
    return presets;
}

DisplayColor DisplayColor::color(QStringView id)
{
    // "default" names the transparent theme too.
    const QStringView wanted = id == u"default" ? QStringView(u"transparent") : id;
    return presetWithID(allColors(), wanted, transparent());
}

double DisplayColor::relativeLuminance(double r, double g, double b)
{
    return 0.2126 * linearized(r) + 0.7152 * linearized(g) + 0.0722 * linearized(b);
}

QColor DisplayColor::dotColor() const
{
    return srgbColor({dotR, dotG, dotB, dotA});
}

QColor DisplayColor::backgroundColor() const
{
    return srgbColor({bgR, bgG, bgB, bgA});
}

std::optional<QColor> DisplayColor::glowColor() const
{
    if (!glowR || !glowG || !glowB || !glowA)
        return std::nullopt;
    return srgbColor({*glowR, *glowG, *glowB, *glowA});
}

double DisplayColor::dotLuminance() const
{
    return relativeLuminance(dotR, dotG, dotB);
}

double DisplayColor::backgroundLuminance() const
{
    return relativeLuminance(bgR, bgG, bgB);
}

double DisplayColor::dotBackgroundContrastRatio() const
{
    const double dot = dotLuminance();
    const double background = backgroundLuminance();
    return (std::max(dot, background) + 0.05) / (std::min(dot, background) + 0.05);
}

bool DisplayColor::backgroundIsEffectivelyTransparent() const
{
    // Read like the drawn colour, so a NaN alpha counts as see-through.
    return clampedComponent(bgA) < 0.1;
}

bool DisplayColor::isLowContrastRatio(double contrastRatio)
{
    return contrastRatio < lowContrastThreshold;
}

bool DisplayColor::hasLowDigitContrast() const
{
    return !backgroundIsEffectivelyTransparent() && isLowContrastRatio(dotBackgroundContrastRatio());
}

std::optional<QJsonObject> DisplayColor::toJson() const
{
    ColorJsonWriter writer;
    writer.insert("id"_L1, id);
    writer.insert("name"_L1, name);
    writer.insert("dotR"_L1, dotR);
    writer.insert("dotG"_L1, dotG);
    writer.insert("dotB"_L1, dotB);
    writer.insert("dotA"_L1, dotA);
    writer.insert("bgR"_L1, bgR);
    writer.insert("bgG"_L1, bgG);
    writer.insert("bgB"_L1, bgB);
    writer.insert("bgA"_L1, bgA);
    writer.insert("glowR"_L1, glowR);
    writer.insert("glowG"_L1, glowG);
    writer.insert("glowB"_L1, glowB);
    writer.insert("glowA"_L1, glowA);
    return writer.object();
}

std::optional<DisplayColor> DisplayColor::fromJson(const QJsonValue& json)
{
    ColorJsonReader reader(json);
    auto themeID = reader.string("id"_L1);
    auto themeName = reader.string("name"_L1);
    const ColorComponents dot{reader.number("dotR"_L1), reader.number("dotG"_L1), reader.number("dotB"_L1),
                              reader.number("dotA"_L1)};
    const ColorComponents background{reader.number("bgR"_L1), reader.number("bgG"_L1), reader.number("bgB"_L1),
                                     reader.number("bgA"_L1)};
    DisplayColor color(std::move(themeID), std::move(themeName), dot, background);
    color.glowR = reader.optionalNumber("glowR"_L1);
    color.glowG = reader.optionalNumber("glowG"_L1);
    color.glowB = reader.optionalNumber("glowB"_L1);
    color.glowA = reader.optionalNumber("glowA"_L1);
    if (!reader.ok())
        return std::nullopt;
    return color;
}

size_t qHash(const DisplayColor& color, size_t seed)
{
    seed = qHashMulti(seed, color.id, color.name, color.dotR, color.dotG, color.dotB, color.dotA, color.bgR, color.bgG,
                      color.bgB, color.bgA);
    for (const auto glow : {color.glowR, color.glowG, color.glowB, color.glowA})
        seed = hashOptional(glow, seed);
    return seed;
}
