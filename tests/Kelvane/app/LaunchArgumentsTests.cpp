// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/LaunchArguments.h"

#include <gtest/gtest.h>

TEST(LaunchArguments, TakesTheArgumentsThatAreUrls)
{
    const QStringList arguments{
        QStringLiteral("kelvane://timer/toggle"),
        QStringLiteral("--verbose"),
        QStringLiteral("notes.txt"),
        QStringLiteral("/home/user/file"),
        QStringLiteral("KELVANE://Open"),
        QStringLiteral("https://example.org/a?b=c"),
        QStringLiteral("kelvane://timer/preset?id=a%20b"),
        QStringLiteral(""),
        QStringLiteral("kelvane://bad host"),
    };
    const QList<QUrl> expected{
        QUrl(QStringLiteral("kelvane://timer/toggle")),
        QUrl(QStringLiteral("KELVANE://Open")),
        QUrl(QStringLiteral("https://example.org/a?b=c")),
        QUrl(QStringLiteral("kelvane://timer/preset?id=a%20b")),
    };
    EXPECT_EQ(linksFromArguments(arguments), expected);
    EXPECT_TRUE(linksFromArguments({}).isEmpty());
}
