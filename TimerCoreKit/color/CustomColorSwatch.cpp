// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/CustomColorSwatch.h"

#include "TimerCoreKit/color/ColorComponents.h"
#include "TimerCoreKit/json/ColorJson.h"
#include "TimerCoreKit/json/JsonRecordList.h"

using namespace Qt::Literals::StringLiterals;

QColor CustomColorSwatch::color() const
{
    return srgbColor({r, g, b, a});
}

std::optional<QJsonObject> CustomColorSwatch::toJson() const
{
    ColorJsonWriter writer;
    writer.insert("id"_L1, id);
    writer.insert("r"_L1, r);
    writer.insert("g"_L1, g);
    writer.insert("b"_L1, b);
    writer.insert("a"_L1, a);
    return writer.object();
}

std::optional<CustomColorSwatch> CustomColorSwatch::fromJson(const QJsonValue& json)
{
    ColorJsonReader reader(json);
    CustomColorSwatch swatch{reader.string("id"_L1), reader.number("r"_L1), reader.number("g"_L1),
                             reader.number("b"_L1), reader.number("a"_L1)};
    if (!reader.ok())
        return std::nullopt;
    return swatch;
}

std::optional<QList<CustomColorSwatch>> CustomColorSwatch::decodeList(const QByteArray& data)
{
    return json::recordsFromJsonData<CustomColorSwatch>(data);
}

std::optional<QByteArray> CustomColorSwatch::encodeList(const QList<CustomColorSwatch>& swatches)
{
    return json::recordsToJsonData(swatches);
}

size_t qHash(const CustomColorSwatch& swatch, size_t seed)
{
    return qHashMulti(seed, swatch.id, swatch.r, swatch.g, swatch.b, swatch.a);
}
