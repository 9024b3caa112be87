// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopupDismissal.h"

#include <QWindow>

#include <gtest/gtest.h>

namespace {

TEST(PopupDismissalTest, ThePopupClosesWhenTheFocusGoesAnywhereButItsOwnWindows)
{
    QWindow popup;
    QWindow menu; // one of the popup's own, such as a row's menu
    menu.setTransientParent(&popup);
    QWindow other; // another window of the program
    const struct {
        const char* name;
        const QWindow* focus;
        bool hadFocus;
        bool closes;
    } cases[] = {
        {"another window of the program", &other, false, true},
        {"another window, after having it", &other, true, true},
        {"the popup's own menu", &menu, true, false},
        {"another program, after having it", nullptr, true, true},
        {"another program, never having had it", nullptr, false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(popupLosesFocusFor(&popup, c.focus, c.hadFocus), c.closes) << c.name;
}

} // namespace
