// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/TimeFormatter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct FormatCase {
    double seconds;
    TimeFormat format;
    bool showLeadingZero;
    std::optional<double> referenceTime;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out)
{
    *out << c.seconds << "s " << platform::rawValueView(c.format) << (c.showLeadingZero ? " leading-zero" : "")
         << (c.referenceTime ? " with-reference" : "");
}

class TimeFormatterCases : public ::testing::TestWithParam<FormatCase> { };

TEST_P(TimeFormatterCases, Formats)
{
    const auto& c = GetParam();
    EXPECT_EQ(TimeFormatter::format(c.seconds, c.format, c.showLeadingZero, c.referenceTime), c.expected);
}

constexpr auto nan = std::numeric_limits<double>::quiet_NaN();

// Seconds fall to the lower whole second; minutes are not capped at an hour;
// the leading zero and the reference time change nothing in this format.
INSTANTIATE_TEST_SUITE_P(Standard, TimeFormatterCases,
                         ::testing::Values(FormatCase{0, TimeFormat::Standard, false, {}, "00:00"},
                                           FormatCase{-5, TimeFormat::Standard, true, 10.0, "00:00"},
                                           FormatCase{nan, TimeFormat::Standard, false, {}, "00:00"},
                                           FormatCase{0.5, TimeFormat::Standard, false, {}, "00:00"},
                                           FormatCase{7, TimeFormat::Standard, true, {}, "00:07"},
                                           FormatCase{59.9, TimeFormat::Standard, false, {}, "00:59"},
                                           FormatCase{60, TimeFormat::Standard, false, {}, "01:00"},
                                           FormatCase{754.99, TimeFormat::Standard, false, 900.0, "12:34"},
                                           FormatCase{3599, TimeFormat::Standard, false, {}, "59:59"},
                                           FormatCase{3600, TimeFormat::Standard, false, {}, "60:00"},
                                           FormatCase{6000, TimeFormat::Standard, false, {}, "100:00"}));

// Whole minutes, truncated; "00" at zero only with the leading zero and a
// reference time.
INSTANTIATE_TEST_SUITE_P(
    Minimal, TimeFormatterCases,
    ::testing::Values(
        FormatCase{0, TimeFormat::Minimal, false, {}, "0"}, FormatCase{0, TimeFormat::Minimal, false, 60.0, "0"},
        FormatCase{0, TimeFormat::Minimal, true, 60.0, "00"}, FormatCase{0, TimeFormat::Minimal, true, {}, "0"},
        FormatCase{-3, TimeFormat::Minimal, true, 60.0, "00"}, FormatCase{nan, TimeFormat::Minimal, true, {}, "0"},
        FormatCase{30, TimeFormat::Minimal, true, {}, "00"}, FormatCase{30, TimeFormat::Minimal, true, 60.0, "00"},
        FormatCase{59, TimeFormat::Minimal, false, {}, "0"}, FormatCase{59, TimeFormat::Minimal, true, {}, "00"},
        FormatCase{60, TimeFormat::Minimal, false, {}, "1"}, FormatCase{60, TimeFormat::Minimal, true, {}, "01"},
        FormatCase{599, TimeFormat::Minimal, false, {}, "9"}, FormatCase{599, TimeFormat::Minimal, true, {}, "09"},
        FormatCase{600, TimeFormat::Minimal, false, {}, "10"}, FormatCase{600, TimeFormat::Minimal, true, {}, "10"},
        FormatCase{7200, TimeFormat::Minimal, true, {}, "120"}));

// Beyond any real duration the whole seconds saturate instead of overflowing.
TEST(TimeFormatter, HugeAndInfiniteSecondsSaturate)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TimeFormatter::format(infinity, TimeFormat::Standard, false, {}), "153722867280912930:07");
    EXPECT_EQ(TimeFormatter::format(1e300, TimeFormat::Standard, false, {}), "153722867280912930:07");
    EXPECT_EQ(TimeFormatter::format(infinity, TimeFormat::Minimal, false, {}), "9223372036854775807");
}

} // namespace
