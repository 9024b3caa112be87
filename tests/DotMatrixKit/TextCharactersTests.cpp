// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/TextCharacters.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList split(const QString& text)
{
    QStringList parts;
    for (const auto character : splitCharacters(text))
        parts.append(character.toString());
    return parts;
}

TEST(TextCharacters, SplitsIntoUserPerceivedCharacters)
{
    EXPECT_EQ(split(""), QStringList());
    EXPECT_EQ(split("12:34"), QStringList({"1", "2", ":", "3", "4"}));
    EXPECT_EQ(split("1\u03012"), QStringList({"1\u0301", "2"}));
    EXPECT_EQ(split("\U0001F345:1"), QStringList({"\U0001F345", ":", "1"}));
    EXPECT_EQ(split("\r\n1"), QStringList({"\r\n", "1"}));
}

TEST(TextCharacters, LongTextsAreSplitWhole)
{
    const QString text = QString("0123456789").repeated(60);
    const auto characters = splitCharacters(text);
    ASSERT_EQ(characters.size(), 600);
    EXPECT_EQ(characters.back(), u"9");
}

} // namespace
