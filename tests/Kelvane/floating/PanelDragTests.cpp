// SPDX-License-Identifier: GPL-3.0-or-later
// A press on the floating panel becomes a drag only once the pointer has
// moved the drag distance with the button held, and only once per press.
#include "Kelvane/floating/PanelDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Step {
    enum Kind { Press, Move, Release } kind;
    QPoint at;
    std::optional<QPoint> pressedAt = std::nullopt; // what a move answers
};

TEST(PanelDragTest, StartsOnceThePointerHasTravelledTheDragDistance)
{
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"a tap", {{Step::Press, {100, 50}}, {Step::Release, {100, 50}}, {Step::Move, {300, 200}}}},
        {"a tap that trembles",
         {{Step::Press, {100, 50}},
          {Step::Move, {103, 52}},
          {Step::Move, {96, 47}},
          {Step::Release, {96, 47}},
          {Step::Move, {300, 200}}}},
        {"a drag", {{Step::Press, {100, 50}}, {Step::Move, {130, 65}, QPoint(100, 50)}, {Step::Move, {160, 80}}}},
        {"exactly the distance", {{Step::Press, {100, 50}}, {Step::Move, {94, 46}, QPoint(100, 50)}}},
        {"one short of it", {{Step::Press, {100, 50}}, {Step::Move, {94, 47}}}},
        {"a move with no press", {{Step::Move, {300, 200}}}},
        {"a second press drags again",
         {{Step::Press, {100, 50}},
          {Step::Move, {120, 50}, QPoint(100, 50)},
          {Step::Release, {120, 50}},
          {Step::Press, {10, 10}},
          {Step::Move, {10, 30}, QPoint(10, 10)}}},
    };
    for (const auto& c : cases) {
        PanelDrag drag(10);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            switch (step.kind) {
            case Step::Press:
                drag.press(step.at);
                break;
            case Step::Release:
                drag.release();
                break;
            case Step::Move:
                EXPECT_EQ(drag.moveTo(step.at), step.pressedAt) << c.name << ", step " << i;
                break;
            }
        }
    }
}

} // namespace
