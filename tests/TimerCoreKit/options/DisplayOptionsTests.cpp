// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include <QJsonValue>
#include <QSet>

#include <gtest/gtest.h>

using platform::allCases;
using platform::fromJson;
using platform::fromRawValue;
using platform::rawValue;
using platform::toJson;

// The raw strings are a storage format shared by every option enum, so each
// must read back what it writes and nothing else.
template <typename E>
class OptionRawValueTest : public ::testing::Test {
};

using OptionEnums = ::testing::Types<DisplayType, DisplayStyleOption, SegmentThickness, FlipSpeed, CompletionBehavior,
                                     CompletionSound>;
TYPED_TEST_SUITE(OptionRawValueTest, OptionEnums);

TYPED_TEST(OptionRawValueTest, EveryCaseReadsBackFromItsRawStringAndJson)
{
    QSet<QString> seen;
    for (const auto option : allCases<TypeParam>()) {
        const auto raw = rawValue(option);
        EXPECT_FALSE(seen.contains(raw)) << raw.toStdString();
        seen.insert(raw);
        EXPECT_EQ(fromRawValue<TypeParam>(raw), option) << raw.toStdString();
        EXPECT_EQ(toJson(option), QJsonValue(raw));
        EXPECT_EQ(fromJson<TypeParam>(toJson(option)), option) << raw.toStdString();
    }
}

TYPED_TEST(OptionRawValueTest, RejectsOtherStringsAndNonStrings)
{
    const auto first = rawValue(allCases<TypeParam>().front());
    EXPECT_EQ(fromRawValue<TypeParam>(first.toUpper()), std::nullopt);
    EXPECT_EQ(fromRawValue<TypeParam>(first + u' '), std::nullopt);
    EXPECT_EQ(fromRawValue<TypeParam>(u""), std::nullopt);
    EXPECT_EQ(fromJson<TypeParam>(QJsonValue(0)), std::nullopt);
    EXPECT_EQ(fromJson<TypeParam>(QJsonValue()), std::nullopt);
}

TEST(DisplayTypeTest, SevenSegmentIsStoredUnderItsVersionedString)
{
    EXPECT_EQ(rawValue(DisplayType::SevenSegment), u"sevenSegmentV2");
    EXPECT_EQ(toJson(DisplayType::SevenSegment), QJsonValue(QStringLiteral("sevenSegmentV2")));
    EXPECT_EQ(fromRawValue<DisplayType>(u"sevenSegmentV2"), DisplayType::SevenSegment);
    EXPECT_EQ(fromRawValue<DisplayType>(u"sevenSegment"), std::nullopt);
    EXPECT_EQ(fromJson<DisplayType>(QJsonValue(QStringLiteral("sevenSegment"))), std::nullopt);
}

TEST(DisplayTypeTest, LooksOfferTheirOwnStyleControls)
{
    using Style = DisplayStyleOption;
    const struct {
        DisplayType type;
        QList<DisplayStyleOption> options;
        bool timeFormatChoice;
    } cases[] = {
        {DisplayType::DotMatrix,
         {Style::DotWeight, Style::DotShape, Style::ColonMode, Style::ShowDimmedOffCells},
         true},
        {DisplayType::SevenSegment, {Style::ColonMode, Style::SegmentThickness}, true},
        {DisplayType::FlipClock, {Style::ColonMode, Style::FlipSpeed}, true},
        {DisplayType::SmallAndBig, {}, false},
    };
    ASSERT_EQ(std::size(cases), allCases<DisplayType>().size());
    for (const auto& c : cases) {
        SCOPED_TRACE(rawValue(c.type).toStdString());
        EXPECT_EQ(supportedStyleOptions(c.type), c.options);
        EXPECT_EQ(supportsTimeFormatChoice(c.type), c.timeFormatChoice);
        EXPECT_TRUE(isDigital(c.type));
    }
}

// A case left out of its table would quietly take the first row's text.
template <typename E>
void expectDistinctDisplayNames()
{
    QSet<QString> names;
    for (const auto option : allCases<E>()) {
        const auto name = displayName(option);
        EXPECT_FALSE(name.isEmpty()) << rawValue(option).toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), qsizetype(allCases<E>().size()));
}

TEST(OptionDisplayNameTest, EveryCaseHasItsOwnName)
{
    expectDistinctDisplayNames<DisplayType>();
    expectDistinctDisplayNames<SegmentThickness>();
    expectDistinctDisplayNames<FlipSpeed>();
    expectDistinctDisplayNames<CompletionBehavior>();
    expectDistinctDisplayNames<CompletionSound>();
    EXPECT_EQ(displayName(DisplayType::SmallAndBig), u"Big & Small");
    EXPECT_EQ(displayName(DisplayType::SevenSegment), u"7-Segment");
}

TEST(SegmentThicknessTest, ScalesRelativeToRegular)
{
    EXPECT_DOUBLE_EQ(scaleFactor(SegmentThickness::Regular), 1.0);
    EXPECT_LT(scaleFactor(SegmentThickness::Thin), scaleFactor(SegmentThickness::Regular));
    EXPECT_GT(scaleFactor(SegmentThickness::Thick), scaleFactor(SegmentThickness::Regular));
}

TEST(FlipSpeedTest, FasterFlipsTakeLess)
{
    EXPECT_DOUBLE_EQ(duration(FlipSpeed::Normal), 0.3);
    EXPECT_GT(duration(FlipSpeed::Slow), duration(FlipSpeed::Normal));
    EXPECT_LT(duration(FlipSpeed::Fast), duration(FlipSpeed::Normal));
}
