#include "Kelvane/popover/PopoverFrame.h"

#include "Kelvane/popover/PopoverContentView.h"

#include "../status/ControllerRig.h"

#include <gtest/gtest.h>

namespace {

TEST(PopoverFrameTest, OpensBesideTheItemAndForgetsItsContentWhenClosed)
{
    ControllerRig rig;
    PopoverFrame frame({rig.engine(), rig.settings(), rig.controller->pomodoroSession(),
                        rig.controller->customTimerStore(), rig.controller->customTimerSession()});
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::Popup));

    PopoverContent content;
    content.customMinutes = 25;
    frame.setContent(content);
    const QRect anchor(200, 0, 22, 22);
    frame.show(anchor);
    EXPECT_EQ(frame.width(), PopoverFrame::frameWidth);
    EXPECT_TRUE(frame.isShown());
    EXPECT_TRUE(frame.hasContent());
    ASSERT_NE(frame.contentView(), nullptr);
    EXPECT_EQ(frame.contentView()->customMinutes(), 25);
    EXPECT_GT(frame.geometry().top(), anchor.bottom());
    EXPECT_TRUE(frame.geometry().left() <= anchor.center().x() && anchor.center().x() <= frame.geometry().right());

    frame.close();
    EXPECT_FALSE(frame.isShown());
    EXPECT_FALSE(frame.hasContent());
    EXPECT_EQ(frame.contentView(), nullptr);
}

} // namespace
