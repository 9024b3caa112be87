// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QHashFunctions>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

// A colour the user saved in a picker's list: sRGB components from 0 to 1
// and alpha as opacity.
struct CustomColorSwatch {
    QString id;
    double r{};
    double g{};
    double b{};
    double a{};

    friend bool operator==(const CustomColorSwatch&, const CustomColorSwatch&) = default;

    QColor color() const;

    // None when a component is NaN or infinite, which JSON cannot hold.
    std::optional<QJsonObject> toJson() const;
    // None unless all five keys hold a value of their kind; numbers must be finite.
    static std::optional<CustomColorSwatch> fromJson(const QJsonValue& json);

    // A stored list of swatches, a JSON array in their order; none when it does
    // not decode (one bad element spoils the whole list).
    static std::optional<QList<CustomColorSwatch>> decodeList(const QByteArray& data);
    // None when a swatch has no JSON form.
    static std::optional<QByteArray> encodeList(const QList<CustomColorSwatch>& swatches);
};

size_t qHash(const CustomColorSwatch& swatch, size_t seed = 0);
