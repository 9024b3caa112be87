// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Before the standard headers: moc, reading the headers that include this
// one, cannot parse <compare> without a Qt header ahead of it.
#include <QtGlobal>

#include <compare>
#include <functional>

namespace platform {

// An instant, counted as seconds since 2001-01-01 00:00:00 UTC: the form the
// shared store and its JSON records use for dates.
class Date {
public:
    constexpr Date() = default;
    static constexpr Date fromSecondsSinceReferenceDate(double seconds) { return Date(seconds); }
    static Date fromUnixSeconds(double seconds) { return Date(seconds - unixOffset); }
    static Date now();

    constexpr double secondsSinceReferenceDate() const { return m_seconds; }

    // Seconds from `other` to this date (positive when this one is later).
    constexpr double secondsSince(Date other) const { return m_seconds - other.m_seconds; }

    constexpr Date operator+(double seconds) const { return Date(m_seconds + seconds); }
    constexpr Date operator-(double seconds) const { return Date(m_seconds - seconds); }
    constexpr auto operator<=>(const Date&) const = default;

    // 2001-01-01 00:00:00 UTC in seconds since the Unix epoch.
    static constexpr double unixOffset = 978307200.0;

private:
    constexpr explicit Date(double seconds)
        : m_seconds(seconds)
    {
    }
    double m_seconds = 0.0;
};

// What a component asks for the current instant; tests hand in a fake.
using Clock = std::function<Date()>;

} // namespace platform
