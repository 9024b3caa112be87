// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/ListMoves.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

QList<QChar> letters(const char* text)
{
    QList<QChar> list;
    for (const char* c = text; *c; ++c)
        list.append(QChar::fromLatin1(*c));
    return list;
}

TEST(ListMovesTest, ItemsLandBeforeTheDestinationInTheirOldOrder)
{
    struct Case {
        QList<qsizetype> offsets;
        qsizetype destination;
        const char* result;
    };
    const Case cases[] = {
        {{1}, 0, "BACDE"},
        {{0}, 5, "BCDEA"},
        {{0}, 2, "BACDE"},
        {{1}, 1, "ABCDE"},
        {{1}, 2, "ABCDE"},
        {{0, 2}, 4, "BDACE"},
        {{3, 1}, 0, "BDACE"},
        {{4, 0}, 2, "BAECD"},
        {{2, 2}, 0, "CABDE"},
        {{}, 0, "ABCDE"},
        // Stale requests: offsets outside are dropped, the destination pinned.
        {{9}, 0, "ABCDE"},
        {{-1, 4}, 0, "EABCD"},
        {{0}, 99, "BCDEA"},
        {{4}, -3, "EABCD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.result << " to " << c.destination);
        auto list = letters("ABCDE");
        moveItems(list, c.offsets, c.destination);
        EXPECT_EQ(list, letters(c.result));
    }
}

} // namespace
