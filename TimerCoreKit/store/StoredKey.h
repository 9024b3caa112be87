// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/RawValueEnum.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QString>

#include <concepts>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>

// A key of the shared store: its name, the kind of value kept under it and
// the value an absent key stands for. Every key is declared once, in
// SharedDefaultsKeys.h; whoever reads or writes it names it from there.
//
// The kinds of value, as `Key<T>`:
//   bool, qint64, double   stored as such
//   QString                a string; its default a Latin-1 literal
//   an option enum         its raw string
//   RawValue               the raw string of an option enum of a kit above
//                          this one; `as<E>()` gives the key typed as E
//   std::optional<T>       no default: an absent key means "none", and the
//                          reader decides what that stands for

namespace stored {

// The raw string of an option whose enum this kit cannot see.
struct RawValue { };

namespace detail {

template <typename T>
struct Fallback {
    using Type = T;
};
template <>
struct Fallback<QString> {
    using Type = QLatin1StringView;
};
template <>
struct Fallback<RawValue> {
    using Type = std::string_view;
};

// The case of E whose raw string is `raw`; only evaluated at compile time, so
// a default that names no case does not build.
template <platform::RawValueEnum E>
consteval E rawCase(std::string_view raw)
{
    for (const auto& [option, name] : platform::RawValues<E>::cases) {
        if (name == raw)
            return option;
    }
    throw std::logic_error("the default is no raw value of this option");
}

} // namespace detail

template <typename T>
struct Key {
    using Value = T;
    using FallbackType = typename detail::Fallback<T>::Type;

    QLatin1StringView name;
    FallbackType defaultValue;

    constexpr Key(const char* keyName, FallbackType fallback)
        : name(keyName)
        , defaultValue(fallback)
    {
    }
    constexpr Key(const char* keyName, const char* fallback) requires std::same_as<T, QString> : name(keyName),
                                                                                                 defaultValue(fallback)
    {
    }
    constexpr Key(QLatin1StringView keyName, FallbackType fallback)
        : name(keyName)
        , defaultValue(fallback)
    {
    }

    // Wherever the store takes a key name.
    operator QString() const { return name; }

    // The same key with its option typed as E, the default turned into E's case.
    template <platform::RawValueEnum E>
    consteval Key<E> as() const requires(std::same_as<T, RawValue> || platform::RawValueEnum<T>)
    {
        if constexpr (std::same_as<T, RawValue>)
            return Key<E>(name, detail::rawCase<E>(defaultValue));
        else
            return Key<E>(name, detail::rawCase<E>(platform::rawValueView(defaultValue)));
    }

    // An option: only its exact raw string counts. A flag: only a value stored
    // as a Boolean counts (a reader that wants the store's conversion asks the
    // store). A string: as the store gives it. Anything else reads as the
    // default, or as `fallback` where a reader has its own.
    T read(const platform::UserDefaults& defaults) const
        requires(platform::RawValueEnum<T> || std::same_as<T, bool> || std::same_as<T, QString>)
    {
        return read(defaults, T(defaultValue));
    }

    T read(const platform::UserDefaults& defaults, T fallback) const
        requires(platform::RawValueEnum<T> || std::same_as<T, bool> || std::same_as<T, QString>)
    {
        if constexpr (platform::RawValueEnum<T>) {
            const auto raw = defaults.string(name);
            return raw ? platform::fromRawValue<T>(*raw).value_or(fallback) : fallback;
        } else if constexpr (std::same_as<T, bool>) {
            const auto value = defaults.object(name);
            const bool* flag = value ? std::get_if<bool>(&*value) : nullptr;
            return flag ? *flag : fallback;
        } else {
            return defaults.string(name).value_or(std::move(fallback));
        }
    }

    void write(platform::UserDefaults& defaults, const T& value) const requires(
        platform::RawValueEnum<T> || std::same_as<T, bool> || std::same_as<T, QString> || std::same_as<T, double>)
    {
        if constexpr (platform::RawValueEnum<T>)
            defaults.setString(name, platform::rawValue(value));
        else if constexpr (std::same_as<T, bool>)
            defaults.setBool(name, value);
        else if constexpr (std::same_as<T, double>)
            defaults.setDouble(name, value);
        else
            defaults.setString(name, value);
    }
};

template <typename T>
struct Key<std::optional<T>> {
    using Value = std::optional<T>;

    QLatin1StringView name;
    static constexpr std::nullopt_t defaultValue = std::nullopt;

    constexpr explicit Key(const char* keyName)
        : name(keyName)
    {
    }

    operator QString() const { return name; }

    std::optional<QString> read(const platform::UserDefaults& defaults) const requires std::same_as<T, QString>
    {
        return defaults.string(name);
    }

    // None removes the key.
    void write(platform::UserDefaults& defaults,
               const std::optional<QString>& value) const requires std::same_as<T, QString>
    {
        if (value)
            defaults.setString(name, *value);
        else
            defaults.remove(name);
    }
};

} // namespace stored
