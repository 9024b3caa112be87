#pragma once

#include "PlatformKit/core/RawValueEnum.h"
#include "PlatformKit/store/UserDefaults.h"

// How the settings stores read their values: anything absent or of the wrong
// kind gives the setting's default, silently.
namespace stored {

template <platform::RawValueEnum E>
E option(const platform::UserDefaults& defaults, const QString& key, E fallback)
{
    const auto raw = defaults.string(key);
    if (!raw)
        return fallback;
    return platform::fromRawValue<E>(*raw).value_or(fallback);
}

// Only a value stored as a Boolean counts.
inline bool flag(const platform::UserDefaults& defaults, const QString& key, bool fallback)
{
    const auto value = defaults.object(key);
    if (const auto* b = value ? std::get_if<bool>(&*value) : nullptr)
        return *b;
    return fallback;
}

template <platform::RawValueEnum E>
void writeOption(platform::UserDefaults& defaults, const QString& key, E value)
{
    defaults.setString(key, platform::rawValue(value));
}

} // namespace stored
