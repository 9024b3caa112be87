// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window's life: one at a time, closed and built anew on the
// General tab, its size limits and the Control-digit tab keys.
#include "SettingsWindowRig.h"

#include "Kelvane/settingswindow/SettingsTab.h"
#include "Kelvane/settingswindow/SettingsView.h"
#include "Kelvane/settingswindow/SettingsWindowController.h"
#include "Kelvane/settingswindow/pages/AppearancePage.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(SettingsTab, TableOfTitlesSymbolsAndKeys)
{
    const struct {
        SettingsTab tab;
        int raw;
        const char* title;
        const char* symbol;
        int digit;
    } rows[] = {
        {SettingsTab::General, 0, "General", "gearshape", 1},
        {SettingsTab::Appearance, 1, "Appearance", "paintbrush", 2},
        {SettingsTab::Behavior, 2, "Behavior", "slider.horizontal.3", 3},
        {SettingsTab::About, 3, "About", "info.circle", 4},
    };
    ASSERT_EQ(std::size(rows), allSettingsTabs.size());
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].title);
        EXPECT_EQ(allSettingsTabs[i], rows[i].tab);
        EXPECT_EQ(settingsTab(rows[i].raw), rows[i].tab);
        EXPECT_EQ(title(rows[i].tab), QString::fromLatin1(rows[i].title));
        EXPECT_EQ(symbolName(rows[i].tab), QString::fromLatin1(rows[i].symbol));
        EXPECT_EQ(shortcutDigit(rows[i].tab), rows[i].digit);
    }
    for (const int raw : {-1, 4, 100})
        EXPECT_EQ(settingsTab(raw), std::nullopt) << raw;
}

class SettingsWindowLife : public ::testing::Test {
protected:
    void TearDown() override { SettingsWindowRig::settle(); }

    SettingsWindowRig rig;
    SettingsWindowController controller{rig.parts()};
};

TEST_F(SettingsWindowLife, NothingIsBuiltBeforeTheFirstOpening)
{
    EXPECT_EQ(controller.window(), nullptr);
    EXPECT_EQ(rig.launchAtLoginManagersMade, 0);
}

TEST_F(SettingsWindowLife, HasATitleAndACloseButtonButNeitherMinimiseNorMaximise)
{
    controller.showSettings();
    QWidget* window = controller.window();
    ASSERT_NE(window, nullptr);
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
    // Without the customise hint the window manager's defaults apply, buttons and all.
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
}

TEST_F(SettingsWindowLife, OpensOneTitledWindowOfTheFirstSizeCentredOnTheGeneralTab)
{
    controller.showSettings();
    QWidget* window = controller.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), u"Settings"_s);
    EXPECT_EQ(window->size(), QSize(700, 650));
    EXPECT_EQ(window->minimumSize(), QSize(700, 600));
    EXPECT_EQ(window->maximumSize(), QSize(1000, 900));
    EXPECT_EQ(window->geometry().center(), window->screen()->availableGeometry().center());
    ASSERT_NE(controller.view(), nullptr);
    EXPECT_EQ(controller.view()->selectedTab(), SettingsTab::General);
    EXPECT_EQ(rig.launchAtLoginManagersMade, 1);

    controller.showSettings();
    EXPECT_EQ(controller.window(), window) << "a second opening built another window";
    EXPECT_EQ(rig.launchAtLoginManagersMade, 1);
    EXPECT_EQ(QApplication::topLevelWidgets().count(window), 1);
}

TEST_F(SettingsWindowLife, ClosingDestroysTheWindowAndTheNextOpeningBuildsItAnewOnGeneral)
{
    controller.showSettings();
    QPointer<QWidget> first = controller.window();
    controller.view()->setSelectedTab(SettingsTab::About);
    first->close();
    SettingsWindowRig::settle();
    EXPECT_TRUE(first.isNull()) << "the closed window was kept";
    EXPECT_EQ(controller.window(), nullptr);

    controller.showSettings();
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_EQ(controller.view()->selectedTab(), SettingsTab::General);
    EXPECT_EQ(rig.launchAtLoginManagersMade, 2) << "the new window reads launch at login afresh";
}

TEST_F(SettingsWindowLife, AnotherWindowClosingLeavesTheSettingsWindowOpen)
{
    controller.showSettings();
    QWidget other;
    other.show();
    other.close();
    SettingsWindowRig::settle();
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_TRUE(controller.window()->isVisible());
}

TEST_F(SettingsWindowLife, SizeStaysWithinTheLimits)
{
    controller.showSettings();
    QWidget* window = controller.window();
    const struct {
        QSize asked;
        QSize got;
    } cases[] = {{{500, 400}, {700, 600}}, {{2000, 2000}, {1000, 900}}, {{800, 700}, {800, 700}}};
    for (const auto& c : cases) {
        window->resize(c.asked);
        EXPECT_EQ(window->size(), c.got) << c.asked.width() << "x" << c.asked.height();
    }
    EXPECT_EQ(controller.view()->minimumSize(), QSize(700, 600));
}

TEST_F(SettingsWindowLife, ControlDigitsChooseTheTabs)
{
    controller.showSettings();
    QWidget* window = controller.window();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    SettingsView* view = controller.view();
    const struct {
        Qt::Key key;
        SettingsTab tab;
    } cases[] = {{Qt::Key_3, SettingsTab::Behavior},
                 {Qt::Key_2, SettingsTab::Appearance},
                 {Qt::Key_4, SettingsTab::About},
                 {Qt::Key_1, SettingsTab::General},
                 // No tab of its own: the tab stays.
                 {Qt::Key_5, SettingsTab::General},
                 {Qt::Key_0, SettingsTab::General}};
    for (const auto& c : cases) {
        QTest::keyClick(window, c.key, Qt::ControlModifier);
        EXPECT_EQ(view->selectedTab(), c.tab) << "Ctrl+key " << static_cast<int>(c.key);
    }
}

TEST_F(SettingsWindowLife, TabsCarryTheirTitlesAndSymbols)
{
    controller.showSettings();
    QTabWidget* tabs = controller.view()->tabs();
    ASSERT_EQ(tabs->count(), 4);
    for (const SettingsTab tab : allSettingsTabs) {
        EXPECT_EQ(tabs->tabText(static_cast<int>(tab)), title(tab));
        EXPECT_FALSE(tabs->tabIcon(static_cast<int>(tab)).isNull()) << title(tab).toStdString();
    }
}

TEST(SettingsWindowAppearance, TheSecondTabIsTheAppearancePage)
{
    SettingsWindowRig rig;
    SettingsView view(rig.parts());
    EXPECT_NE(qobject_cast<AppearancePage*>(view.tabs()->widget(1)), nullptr);
    EXPECT_EQ(view.tabs()->widget(1), view.appearancePage());
}

TEST(SettingsWindowSymbols, FollowThePalette)
{
    SettingsWindowRig rig;
    SettingsView view(rig.parts());
    const auto symbol = [&] { return view.tabs()->tabIcon(0).pixmap(QSize(16, 16), 1.0).toImage(); };
    QPalette dark = view.palette();
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    const QImage before = symbol();
    view.setPalette(dark);
    EXPECT_NE(symbol(), before) << "the tab symbols kept their old colour";
}

} // namespace
