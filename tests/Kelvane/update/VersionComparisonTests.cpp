// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/VersionComparison.h"

#include <QString>

#include <gtest/gtest.h>

TEST(VersionComparison, ComparesDotSeparatedPartsAsNumbers)
{
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int expected; // sign of compare(a, b)
    };
    const Case cases[] = {
        {u"0.1.0", u"0.1.0", 0},
        {u"1.10", u"1.9", 1}, // not as text
        {u"2", u"10", -1}, // not as text
        {u"1.2", u"1.2.0", 0}, // a missing part is 0
        {u"1.2.0.1", u"1.2", 1},
        {u"1.2.3", u"1.2.4", -1},
        {u"0.2", u"0.1.9", 1},
        {u" 1.0 ", u"1", 0}, // blanks around are no part of it
        {u"1.0rc1", u"1.0", 0}, // leading digits count
        {u"1.0b", u"1.1", -1},
        {u"", u"0", 0},
        {u"abc", u"0.0.1", -1},
        {u"1..2", u"1.0.2", 0},
        {u"99999999999999999999999999", u"1", 1}, // saturates, never wraps
        {u"1.007", u"1.7", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.a).toStdString() + " vs " + QString::fromUtf16(c.b).toStdString());
        const int forward = compareVersions(c.a, c.b);
        const int backward = compareVersions(c.b, c.a);
        EXPECT_EQ((forward > 0) - (forward < 0), c.expected);
        EXPECT_EQ((backward > 0) - (backward < 0), -c.expected);
        EXPECT_EQ(isNewerVersion(c.a, c.b), c.expected > 0);
    }
}
