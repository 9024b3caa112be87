#include "DotMatrixKit/DotOptions.h"

#include <utility>

namespace {

template <typename E, std::size_t N>
QString nameIn(const std::pair<E, const char*> (&names)[N], E value)
{
    for (const auto& [option, name] : names) {
        if (option == value)
            return QString::fromLatin1(name);
    }
    return {};
}

constexpr std::pair<DotShape, const char*> shapeNames[] = {
    {DotShape::Rounded, "Rounded"},
    {DotShape::Square, "Square"},
};

constexpr std::pair<DotWeight, const char*> weightNames[] = {
    {DotWeight::Light, "Light"},
    {DotWeight::Regular, "Regular"},
    {DotWeight::Bold, "Bold"},
};

constexpr std::pair<ColonMode, const char*> colonModeNames[] = {
    {ColonMode::Always, "Always"},
    {ColonMode::Pulsing, "Pulsing"},
    {ColonMode::Contextual, "Contextual"},
};

} // namespace

QString displayName(DotShape shape)
{
    return nameIn(shapeNames, shape);
}

QString displayName(DotWeight weight)
{
    return nameIn(weightNames, weight);
}

QString displayName(ColonMode mode)
{
    return nameIn(colonModeNames, mode);
}
