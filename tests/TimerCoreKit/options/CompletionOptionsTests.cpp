// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/options/CompletionOptions.h"

#include <QSet>

#include <gtest/gtest.h>

using platform::allCases;
using platform::fromRawValue;
using platform::rawValue;

TEST(CompletionSoundTest, OnlyTheSilentCaseHasNoSystemSound)
{
    const auto sounds = allCases<CompletionSound>();
    ASSERT_EQ(sounds.size(), 7u);
    EXPECT_EQ(sounds.front(), CompletionSound::None);
    EXPECT_EQ(systemSoundName(CompletionSound::None), std::nullopt);

    QSet<QString> names;
    for (const auto sound : sounds) {
        EXPECT_EQ(id(sound), rawValue(sound));
        if (sound == CompletionSound::None)
            continue;
        const auto name = systemSoundName(sound);
        ASSERT_TRUE(name.has_value()) << rawValue(sound).toStdString();
        names.insert(*name);
    }
    EXPECT_EQ(names.size(), qsizetype(sounds.size() - 1));
    EXPECT_EQ(systemSoundName(CompletionSound::Glass), u"Glass");
}

TEST(CompletionSoundTest, SystemSoundNameIsNotARawString)
{
    EXPECT_EQ(fromRawValue<CompletionSound>(u"glass"), CompletionSound::Glass);
    EXPECT_EQ(fromRawValue<CompletionSound>(u"Glass"), std::nullopt);
}

TEST(CompletionBehaviorTest, EveryCaseIsDescribed)
{
    QSet<QString> descriptions;
    for (const auto behavior : allCases<CompletionBehavior>())
        descriptions.insert(description(behavior));
    EXPECT_EQ(descriptions.size(), qsizetype(allCases<CompletionBehavior>().size()));
    EXPECT_FALSE(descriptions.contains(QString()));
    EXPECT_EQ(displayName(CompletionBehavior::FreezeAtZero), u"Freeze at 00");
}
