#include "Kelvane/popover/PopupPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(PopupPlacementTest, UnderTheItemAboveItOnABottomPanelAlwaysOnScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize size(260, 300);
    const struct {
        const char* name;
        QRect anchor;
        QRect screen;
        QPoint at;
    } cases[] = {
        {"top panel, middle", {900, 0, 22, 22}, screen, {780, 26}},
        {"top panel, right edge", {1900, 0, 20, 22}, screen, {1660, 26}},
        {"top panel, left edge", {0, 0, 22, 22}, screen, {0, 26}},
        {"bottom panel", {900, 1058, 22, 22}, screen, {780, 754}},
        {"no anchor: top-right corner", {}, screen, {1660, 0}},
        {"second screen", {2900, 0, 22, 22}, {1920, 0, 1280, 1024}, {2780, 26}},
        {"screen smaller than the popup", {100, 0, 22, 22}, {0, 0, 200, 200}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(popupPlacement(c.anchor, size, c.screen), c.at) << c.name;
}

} // namespace
