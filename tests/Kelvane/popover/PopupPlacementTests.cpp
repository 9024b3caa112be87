// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupPlacementTest, NextToTheItemOnTheSideAwayFromItsPanelAlwaysOnScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QSize size(260, 300);
    const struct {
        const char* name;
        QRect anchor;
        QRect screen;
        QRect available;
        QPoint at;
    } cases[] = {
        {"top panel, middle", {900, 0, 22, 22}, screen, screen, {780, 26}},
        {"top panel, right edge", {1900, 0, 20, 22}, screen, screen, {1660, 26}},
        {"top panel, left edge", {0, 0, 22, 22}, screen, screen, {0, 26}},
        {"top panel reserving room", {1800, 2, 22, 22}, screen, {0, 28, 1920, 1052}, {1660, 28}},
        {"bottom panel", {900, 1058, 22, 22}, screen, screen, {780, 754}},
        {"bottom panel reserving room", {1800, 1050, 24, 24}, screen, {0, 0, 1920, 1044}, {1660, 744}},
        {"click point on a bottom panel", {1805, 1062, 1, 1}, screen, {0, 0, 1920, 1044}, {1660, 744}},
        {"click point on a top panel", {1805, 12, 1, 1}, screen, {0, 0, 1920, 1080}, {1660, 17}},
        {"top panel reserving room, icon in the corner", {1, 3, 24, 24}, screen, {0, 30, 1920, 1050}, {0, 31}},
        {"bottom panel reserving room, click in the corner",
         {1910, 1066, 1, 1},
         screen,
         {0, 0, 1920, 1050},
         {1660, 750}},
        {"left panel", {0, 500, 32, 32}, screen, {36, 0, 1884, 1080}, {36, 365}},
        {"left panel, near the bottom", {0, 1000, 32, 32}, screen, {36, 0, 1884, 1080}, {36, 780}},
        {"right panel", {1888, 500, 32, 32}, screen, {0, 0, 1884, 1080}, {1624, 365}},
        {"top panel but no room below", {900, 0, 22, 22}, {0, 0, 1920, 200}, {0, 0, 1920, 200}, {780, 0}},
        {"second screen", {2900, 0, 22, 22}, second, second, {2780, 26}},
        {"second screen, bottom", {3000, 1000, 22, 24}, second, second, {2880, 696}},
        {"screen smaller than the popup", {100, 0, 22, 22}, {0, 0, 200, 200}, {0, 0, 200, 200}, {0, 0}},
        {"no anchor, nothing reserved: top right", {}, screen, screen, {1660, 0}},
        {"no anchor, a top panel", {}, screen, {0, 32, 1920, 1048}, {1660, 32}},
        {"no anchor, a bottom panel", {}, screen, {0, 0, 1920, 1036}, {1660, 736}},
        {"no anchor, a left panel", {}, screen, {48, 0, 1872, 1080}, {48, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(popupPlacement(c.anchor, size, c.screen, c.available), c.at) << c.name;
}

} // namespace
