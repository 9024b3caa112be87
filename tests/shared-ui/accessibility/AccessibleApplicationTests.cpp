// SPDX-License-Identifier: GPL-3.0-or-later
// The application's accessible children: its windows, and its popups while
// they are shown, which Qt's own interface leaves out.
#include "shared-ui/accessibility/AccessibleApplication.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isChild(QAccessibleInterface* application, QWidget* window)
{
    QAccessibleInterface* child = QAccessible::queryAccessibleInterface(window);
    if (application->indexOfChild(child) < 0)
        return false;
    for (int i = 0; i < application->childCount(); ++i) {
        if (application->child(i) == child)
            return true;
    }
    return false;
}

TEST(AccessibleApplicationTest, ListsShownPopupsBesideTheWindows)
{
    installAccessibleApplication();
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(application->role(), QAccessible::Application);

    QWidget window(nullptr, Qt::Window);
    window.setAccessibleName(u"Settings"_s);
    window.show();
    QWidget popup(nullptr, Qt::Popup);
    popup.setAccessibleName(u"Kelvane"_s);
    EXPECT_TRUE(isChild(application, &window));
    EXPECT_FALSE(isChild(application, &popup)) << "a closed popup is listed";

    popup.show();
    EXPECT_TRUE(isChild(application, &popup)) << "the open popup is not among the application's children";
    EXPECT_TRUE(isChild(application, &window));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&popup)->parent(), application);

    popup.hide();
    EXPECT_FALSE(isChild(application, &popup));
}

} // namespace
