// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/ColorComponents.h"

#include <QColor>
#include <QHashFunctions>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

// A named colour theme of the display: the colour of the lit digits, of the
// background, and an optional glow. Components are sRGB from 0 to 1, alpha is
// opacity. The settings keep a theme by its id.
struct DisplayColor {
    DisplayColor(QString themeID, QString themeName, ColorComponents digits, ColorComponents background,
                 std::optional<ColorComponents> glow = std::nullopt);

    QString id;
    QString name;
    double dotR;
    double dotG;
    double dotB;
    double dotA;
    double bgR;
    double bgG;
    double bgB;
    double bgA;
    std::optional<double> glowR;
    std::optional<double> glowG;
    std::optional<double> glowB;
    std::optional<double> glowA;

    friend bool operator==(const DisplayColor&, const DisplayColor&) = default;

    // Below this contrast ratio the settings warn that the digits are hard to read.
    static constexpr double lowContrastThreshold = 3.0;

    static DisplayColor transparent();
    static DisplayColor classicWhite();
    static DisplayColor classicBlack();
    static DisplayColor amber();
    static DisplayColor greenTerminal();
    static DisplayColor blueGlow();
    static DisplayColor vfdCyan();
    static DisplayColor sunset();
    static DisplayColor neonPink();
    // The presets in the order the pickers show them.
    static const QList<DisplayColor>& allColors();

    // The preset with exactly this id; "default" names the transparent one,
    // which is also what an unknown id gets.
    static DisplayColor color(QStringView id);

    // WCAG 2.0 relative luminance of an sRGB colour, from 0 to 1.
    static double relativeLuminance(double r, double g, double b);
    // Whether digits at this contrast ratio are hard to read on an opaque
    // enough background; exactly the threshold still reads well.
    static bool isLowContrastRatio(double contrastRatio);

    QColor dotColor() const;
    QColor backgroundColor() const;
    // Only a glow with all four components is drawn.
    std::optional<QColor> glowColor() const;

    double dotLuminance() const;
    double backgroundLuminance() const;
    // WCAG 2.0 contrast ratio of digits against background, from 1 to 21.
    double dotBackgroundContrastRatio() const;
    bool backgroundIsEffectivelyTransparent() const;
    // Digits on a see-through background take the contrast of whatever is
    // behind it, so only an opaque enough background can be too low.
    bool hasLowDigitContrast() const;

    // None when a component is NaN or infinite, which JSON cannot hold.
    std::optional<QJsonObject> toJson() const;
    // None unless every required key holds a value of its kind; numbers must
    // be finite. Missing or null glow keys read as absent.
    static std::optional<DisplayColor> fromJson(const QJsonValue& json);
};

size_t qHash(const DisplayColor& color, size_t seed = 0);
