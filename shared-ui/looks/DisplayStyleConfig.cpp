// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/looks/DisplayStyleConfig.h"

#include "TimerCoreKit/json/JsonFields.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr PerScale<qreal> backgroundCornerRadii{4.5, 6, 24};

// An absent or null key keeps `field` as it is; any other value must be of
// the field's kind.
template <typename T, typename Read>
bool readOptional(const QJsonObject& object, QLatin1StringView key, T& field, Read read)
{
    if (!json::isSet(object, key))
        return true;
    const std::optional<T> value = read(object, key);
    if (!value)
        return false;
    field = *value;
    return true;
}

template <platform::RawValueEnum E>
bool readEnum(const QJsonObject& object, QLatin1StringView key, E& field)
{
    return readOptional(object, key, field, json::requiredEnum<E>);
}

bool readBool(const QJsonObject& object, QLatin1StringView key, bool& field)
{
    return readOptional(object, key, field, json::requiredBool);
}

} // namespace

const DisplayStyleConfig& DisplayStyleConfig::defaultConfig()
{
    static const DisplayStyleConfig config;
    return config;
}

qreal DisplayStyleConfig::backgroundCornerRadius(DisplayScale scale) const
{
    return backgroundCornerRadii[scale];
}

QJsonObject DisplayStyleConfig::toJson() const
{
    return {
        {"dotWeight"_L1, platform::toJson(dotWeight)},
        {"dotShape"_L1, platform::toJson(dotShape)},
        {"showDimmedOffCells"_L1, showDimmedOffCells},
        {"colonMode"_L1, platform::toJson(colonMode)},
        {"segmentThickness"_L1, platform::toJson(segmentThickness)},
        {"flipSpeed"_L1, platform::toJson(flipSpeed)},
        {"bloomEnabled"_L1, bloomEnabled},
    };
}

std::optional<DisplayStyleConfig> DisplayStyleConfig::fromJson(const QJsonValue& json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject object = json.toObject();
    DisplayStyleConfig config;
    // A retired option: still accepted when it is a string, never kept.
    QString ignoredCornerStyle;
    const bool read = readEnum(object, "dotWeight"_L1, config.dotWeight)
        && readEnum(object, "dotShape"_L1, config.dotShape)
        && readBool(object, "showDimmedOffCells"_L1, config.showDimmedOffCells)
        && readEnum(object, "colonMode"_L1, config.colonMode)
        && readOptional(object, "backgroundCornerStyle"_L1, ignoredCornerStyle, json::requiredString)
        && readEnum(object, "segmentThickness"_L1, config.segmentThickness)
        && readEnum(object, "flipSpeed"_L1, config.flipSpeed)
        && readBool(object, "bloomEnabled"_L1, config.bloomEnabled);
    if (!read)
        return std::nullopt;
    return config;
}
