// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/MulticolorPalette.h"

#include <QJsonArray>
#include <QSet>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

QColor opaque(float r, float g, float b)
{
    return QColor::fromRgbF(r, g, b, 1);
}

const QColor clear = QColor::fromRgbF(0, 0, 0, 0);

} // namespace

TEST(MulticolorPaletteLookupTest, FindsPresetsByExactIDAndFallsBackToRainbow)
{
    const struct {
        QStringView id;
        QStringView expectedID;
        qsizetype slotCount;
    } cases[] = {
        {u"rainbow", u"rainbow", 7}, {u"pastel", u"pastel", 6}, {u"neon", u"neon", 6},       {u"sunset", u"sunset", 5},
        {u"Neon", u"rainbow", 7},    {u"", u"rainbow", 7},      {u"unknown", u"rainbow", 7},
    };
    for (const auto& c : cases) {
        const auto palette = MulticolorPalette::palette(c.id);
        EXPECT_EQ(palette.id, c.expectedID) << c.id.toString().toStdString();
        EXPECT_EQ(palette.colors().size(), c.slotCount) << c.id.toString().toStdString();
    }

    const auto& presets = MulticolorPalette::all();
    ASSERT_EQ(presets.size(), 4);
    for (const auto& preset : presets)
        EXPECT_EQ(MulticolorPalette::palette(preset.id), preset);
    EXPECT_EQ(QSet<MulticolorPalette>(presets.begin(), presets.end()).size(), presets.size());
}

TEST(MulticolorPaletteTest, InitializerKeepsSlotOrderPerComponent)
{
    const MulticolorPalette palette(u"p"_s, u"P"_s, {{0.1, 0.2, 0.3, 0.4}, {0.5, 0.6, 0.7, 0.8}});
    EXPECT_EQ(palette.slotRs, (QList<double>{0.1, 0.5}));
    EXPECT_EQ(palette.slotGs, (QList<double>{0.2, 0.6}));
    EXPECT_EQ(palette.slotBs, (QList<double>{0.3, 0.7}));
    EXPECT_EQ(palette.slotAs, (QList<double>{0.4, 0.8}));
    EXPECT_EQ(palette.colors(),
              (QList<QColor>{QColor::fromRgbF(0.1f, 0.2f, 0.3f, 0.4f), QColor::fromRgbF(0.5f, 0.6f, 0.7f, 0.8f)}));
}

TEST(MulticolorPaletteTest, SlotsWrapAroundBothWays)
{
    const auto pastel = MulticolorPalette::pastel();
    const auto rainbow = MulticolorPalette::rainbow();
    const auto sunset = MulticolorPalette::sunset();
    const struct {
        const MulticolorPalette& palette;
        qsizetype slot;
        qsizetype expectedSlot;
    } cases[] = {
        {pastel, 0, 0},  {pastel, 5, 5},
        {pastel, 6, 0},  {rainbow, 7, 0},
        {sunset, 13, 3}, {sunset, -1, 4},
        {sunset, -5, 0}, {sunset, std::numeric_limits<qsizetype>::min(), std::numeric_limits<qsizetype>::min() % 5 + 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.palette.color(c.slot), c.palette.colors().at(c.expectedSlot))
            << c.palette.id.toStdString() << " slot " << c.slot;
    EXPECT_EQ(pastel.color(0), opaque(1.0f, 0.75f, 0.8f));
}

TEST(MulticolorPaletteTest, PaletteWithoutSlotsIsClear)
{
    const MulticolorPalette empty(u"empty"_s, u"Empty"_s, {});
    EXPECT_TRUE(empty.slotRs.isEmpty() && empty.slotGs.isEmpty() && empty.slotBs.isEmpty() && empty.slotAs.isEmpty());
    EXPECT_TRUE(empty.colors().isEmpty());
    for (const qsizetype slot : {0, 1, 7, -1})
        EXPECT_EQ(empty.color(slot), clear) << slot;
}

TEST(MulticolorPaletteJsonTest, RoundTripsPresets)
{
    for (const auto& preset : MulticolorPalette::all()) {
        const auto json = preset.toJson();
        ASSERT_TRUE(json.has_value()) << preset.id.toStdString();
        EXPECT_EQ(MulticolorPalette::fromJson(*json), preset);
    }
}

TEST(MulticolorPaletteJsonTest, UnevenListsCountToTheShortest)
{
    const QJsonObject json{
        {"id", "uneven"},
        {"name", "Uneven"},
        {"slotRs", QJsonArray{1, 0, 0}},
        {"slotGs", QJsonArray{0, 1, 0}},
        {"slotBs", QJsonArray{0, 0}},
        {"slotAs", QJsonArray{1, 1, 1}},
    };
    const auto palette = MulticolorPalette::fromJson(json);
    ASSERT_TRUE(palette.has_value());
    EXPECT_EQ(palette->slotRs.size(), 3);
    EXPECT_EQ(palette->colors(), (QList<QColor>{opaque(1, 0, 0), opaque(0, 1, 0)}));
    EXPECT_EQ(palette->color(2), opaque(1, 0, 0));
}

TEST(MulticolorPaletteJsonTest, AnyMissingOrMistypedKeyFailsTheRecord)
{
    const auto valid = *MulticolorPalette::neon().toJson();
    for (const auto& key : valid.keys()) {
        SCOPED_TRACE(key.toStdString());
        auto missing = valid;
        missing.remove(key);
        EXPECT_EQ(MulticolorPalette::fromJson(missing), std::nullopt);

        const bool isList = key.startsWith(u"slot");
        const QJsonValue wrongValues[] = {
            isList ? QJsonValue(1.0) : QJsonValue(QJsonArray{"neon"}),
            isList ? QJsonValue(QJsonArray{0.5, "0.5"}) : QJsonValue(1.0),
            isList ? QJsonValue(QJsonArray{0.5, QJsonValue::Null}) : QJsonValue(QJsonValue::Null),
        };
        for (const auto& wrong : wrongValues) {
            auto mistyped = valid;
            mistyped.insert(key, wrong);
            EXPECT_EQ(MulticolorPalette::fromJson(mistyped), std::nullopt);
        }
    }
}

TEST(MulticolorPaletteJsonTest, NonFiniteComponentsHaveNoJsonForm)
{
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    auto palette = MulticolorPalette::pastel();
    palette.slotBs[2] = notANumber;
    EXPECT_EQ(palette.toJson(), std::nullopt);

    auto json = *MulticolorPalette::pastel().toJson();
    json.insert("slotAs", QJsonArray{1, std::numeric_limits<double>::infinity()});
    EXPECT_EQ(MulticolorPalette::fromJson(json), std::nullopt);
}
