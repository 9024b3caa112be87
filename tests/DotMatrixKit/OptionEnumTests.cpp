// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"

#include <QJsonValue>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CaseRow {
    QString raw;
    QString displayName;
};

// Each option enum, checked against its persisted raw strings in declaration
// order, with the display name where it has one.
template <typename E>
void expectCases(const std::vector<CaseRow>& expected)
{
    const auto cases = platform::allCases<E>();
    ASSERT_EQ(cases.size(), expected.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(expected[i].raw.toStdString());
        EXPECT_EQ(platform::rawValue(cases[i]), expected[i].raw);
        EXPECT_EQ(platform::fromRawValue<E>(expected[i].raw), cases[i]);
        EXPECT_EQ(platform::fromJson<E>(platform::toJson(cases[i])), cases[i]);
        if constexpr (requires { displayName(cases[i]); }) {
            EXPECT_EQ(displayName(cases[i]), expected[i].displayName);
        }
        // Raw strings are case-sensitive: "Contextual" is no colon mode.
        QString capitalised = expected[i].raw;
        capitalised[0] = capitalised[0].toUpper();
        EXPECT_FALSE(platform::fromRawValue<E>(capitalised));
    }
}

TEST(OptionEnums, DotShapeCasesInOrder)
{
    expectCases<DotShape>({{"rounded", "Rounded"}, {"square", "Square"}});
}

TEST(OptionEnums, DotWeightCasesInOrder)
{
    expectCases<DotWeight>({{"light", "Light"}, {"regular", "Regular"}, {"bold", "Bold"}});
}

TEST(OptionEnums, ColonModeCasesInOrder)
{
    expectCases<ColonMode>({{"always", "Always"}, {"pulsing", "Pulsing"}, {"contextual", "Contextual"}});
}

TEST(OptionEnums, TimeFormatCasesInOrder)
{
    expectCases<TimeFormat>({{"standard", {}}, {"minimal", {}}});
}

TEST(OptionEnums, OnlyAStringNamingACaseDecodes)
{
    EXPECT_FALSE(platform::fromJson<DotShape>(QJsonValue(0)));
    EXPECT_FALSE(platform::fromJson<DotShape>(QJsonValue("circle")));
    EXPECT_FALSE(platform::fromJson<ColonMode>(QJsonValue()));
}

TEST(OptionEnums, WeightScaleFactors)
{
    EXPECT_DOUBLE_EQ(scaleFactor(DotWeight::Light), 0.8);
    EXPECT_DOUBLE_EQ(scaleFactor(DotWeight::Regular), 1.0);
    EXPECT_DOUBLE_EQ(scaleFactor(DotWeight::Bold), 1.2);
}

} // namespace
