// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayTextTest, CutsAfterWholeCharactersAsSeen)
{
    struct Case {
        const char* name;
        QString text;
        qsizetype count;
        QString result;
    };
    const Case cases[] = {
        {"shorter than the count", u"abc"_qs, 5, u"abc"_qs},
        {"exactly the count", u"abc"_qs, 3, u"abc"_qs},
        {"cut", u"abcdef"_qs, 2, u"ab"_qs},
        {"empty", QString(), 3, QString()},
        {"zero", u"abc"_qs, 0, QString()},
        {"negative", u"abc"_qs, -1, QString()},
        {"combining accent stays with its letter", u"e\u0301xy"_qs, 1, u"e\u0301"_qs},
        {"flag is one character", u"\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7"_qs, 1, u"\U0001F1E9\U0001F1EA"_qs},
        {"skin tone is one character", u"\U0001F44D\U0001F3FDok"_qs, 2, u"\U0001F44D\U0001F3FDo"_qs},
        {"joined family is one character", u"\U0001F468\u200D\U0001F469\u200D\U0001F467!"_qs, 1,
         u"\U0001F468\u200D\U0001F469\u200D\U0001F467"_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(leadingCharacters(c.text, c.count), c.result);
    }
}

} // namespace
