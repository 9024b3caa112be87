// SPDX-License-Identifier: GPL-3.0-or-later
// Where the floating panel goes and how big it is, on screens given as
// rectangles: the minimum size, the saved corner or the centre, the re-fit
// tolerance and the corner that is saved.
#include "Kelvane/floating/FloatingPanelGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace FloatingPanelGeometry;

const QRect left(0, 0, 1920, 1050); // the primary screen, less a bottom panel
const QRect right(1920, 200, 1280, 1024); // a second screen, lower down
const QList<QRect> twoScreens{left, right};

TEST(FloatingPanelGeometryTest, PanelSizeIsTheContentInWholePixelsAtLeastTheMinimum)
{
    const struct {
        QSizeF fitting;
        QSize expected;
    } cases[] = {
        {{100, 40}, {200, 80}},     {{199.2, 79.5}, {200, 80}},
        {{200.5, 80.5}, {201, 81}}, {{612, 176}, {612, 176}},
        {{-5, 0}, {200, 80}},       {{std::nan(""), std::numeric_limits<double>::infinity()}, {200, 80}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(panelSize(c.fitting), c.expected) << c.fitting.width() << "x" << c.fitting.height();
}

TEST(FloatingPanelGeometryTest, OnAVisibleScreenWhenItOverlapsAnyVisibleFrame)
{
    const struct {
        QRect frame;
        QList<QRect> screens;
        bool expected;
    } cases[] = {
        {{100, 100, 300, 120}, twoScreens, true},
        {{2000, 300, 300, 120}, twoScreens, true}, // on the second screen only
        {{1800, 100, 300, 120}, twoScreens, true}, // across both
        {{-299, 0, 300, 120}, twoScreens, true}, // one column still in
        {{-300, 0, 300, 120}, twoScreens, false}, // just off the left edge
        {{2000, 0, 300, 120}, twoScreens, false}, // above the lower second screen
        {{100, 1050, 300, 120}, twoScreens, false}, // in the primary's bottom panel
        {{100, 100, 300, 120}, {}, false}, // no screens at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(isOnVisibleScreen(c.frame, c.screens), c.expected) << c.frame.x() << "," << c.frame.y();
}

TEST(FloatingPanelGeometryTest, PlacedAtTheSavedCornerWhenThatIsOnAScreenElseCentred)
{
    const QSize size(300, 120);
    const QRect centred(810, 465, 300, 120);
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::optional<QPointF> saved;
        QRect expected;
    } cases[] = {
        {"nothing saved", std::nullopt, centred},
        {"on the primary", QPointF(40, 60), QRect(40, 60, 300, 120)},
        {"on the second screen", QPointF(2500.4, 900.6), QRect(2500, 901, 300, 120)},
        {"partly off the left edge", QPointF(-200, 10), QRect(-200, 10, 300, 120)},
        {"on a screen no longer attached", QPointF(4000, 300), centred},
        {"not a number", QPointF(nan, 10), centred},
        {"infinitely far", QPointF(10, inf), centred},
        {"beyond any desktop", QPointF(3e9, -3e9), centred},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placement(size, c.saved, twoScreens, left), c.expected) << c.name;
}

TEST(FloatingPanelGeometryTest, RefitsFromTwoPixelsOffKeepingTheTopLeftCorner)
{
    const QRect frame(500, 300, 400, 150);
    const struct {
        QSize target;
        std::optional<QRect> expected;
    } cases[] = {
        {{400, 150}, std::nullopt},
        {{401, 151}, std::nullopt},
        {{399, 149}, std::nullopt},
        {{402, 150}, QRect(500, 300, 402, 150)},
        {{400, 148}, QRect(500, 300, 400, 148)},
        {{200, 80}, QRect(500, 300, 200, 80)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refitted(frame, c.target), c.expected) << c.target.width() << "x" << c.target.height();
}

TEST(FloatingPanelGeometryTest, SavesTheTopLeftCornerOnlyOfAFrameOnAScreen)
{
    EXPECT_EQ(positionToSave(QRect(2500, 900, 300, 120), twoScreens), QPoint(2500, 900));
    EXPECT_EQ(positionToSave(QRect(-200, 10, 300, 120), twoScreens), QPoint(-200, 10));
    EXPECT_EQ(positionToSave(QRect(-400, 10, 300, 120), twoScreens), std::nullopt);
    EXPECT_EQ(positionToSave(QRect(40, 60, 300, 120), {}), std::nullopt);
}

} // namespace
