// SPDX-License-Identifier: GPL-3.0-or-later
// The General page: each switch writes its setting at once and follows the
// store; launch at login shows only what the system accepted.
#include "SettingsWindowRig.h"

#include "Kelvane/settingswindow/pages/GeneralPage.h"

#include "shared-ui/controls/SettingsSectionHeader.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList headers(const QWidget& page)
{
    QStringList titles;
    for (const auto* header : page.findChildren<SettingsSectionHeader*>())
        titles.append(header->title());
    return titles;
}

class GeneralPageTest : public ::testing::Test {
protected:
    std::unique_ptr<GeneralPage> makePage()
    {
        manager = rig.parts().makeLaunchAtLogin();
        manager->refreshStatus();
        auto parts = rig.parts();
        auto page = std::make_unique<GeneralPage>(rig.settings, *manager, parts.onCheckForUpdates);
        page->show();
        return page;
    }

    SettingsWindowRig rig;
    std::unique_ptr<LaunchAtLoginManager> manager;
};

TEST_F(GeneralPageTest, SwitchesWriteTheStoreAtOnceAndFollowIt)
{
    const struct {
        const char* name;
        QCheckBox* (GeneralPage::*toggle)() const;
        bool (AppSettings::*read)() const;
        void (AppSettings::*write)(bool);
        QString key;
        // The shortcuts' write lands on the next turn of the event loop.
        bool deferred;
    } cases[] = {
        {"floating display", &GeneralPage::floatingDisplayToggle, &AppSettings::floatingDisplayEnabled,
         &AppSettings::setFloatingDisplayEnabled, SharedDefaultsKeys::floatingDisplayEnabled, false},
        {"global shortcuts", &GeneralPage::globalShortcutsToggle, &AppSettings::globalShortcutsEnabled,
         &AppSettings::setGlobalShortcutsEnabled, SharedDefaultsKeys::globalShortcutsEnabled, true},
    };
    auto page = makePage();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QCheckBox* toggle = ((*page).*c.toggle)();
        const bool before = (rig.settings.*c.read)();
        EXPECT_EQ(toggle->isChecked(), before);

        QTest::mouseClick(toggle, Qt::LeftButton);
        if (c.deferred) {
            EXPECT_EQ((rig.settings.*c.read)(), before) << "written inside the click";
            QCoreApplication::processEvents();
        }
        EXPECT_EQ((rig.settings.*c.read)(), !before);
        EXPECT_EQ(rig.defaults->boolValue(c.key), !before);
        EXPECT_EQ(toggle->isChecked(), !before);

        (rig.settings.*c.write)(before);
        EXPECT_EQ(toggle->isChecked(), before) << "the store's change did not redraw the switch";
    }
}

TEST_F(GeneralPageTest, LaunchAtLoginShowsWhatTheSystemAccepted)
{
    for (const bool accepts : {true, false}) {
        SCOPED_TRACE(accepts ? "accepted" : "refused");
        rig.launchAtLoginEnabled = false;
        rig.launchAtLoginAccepts = accepts;
        auto page = makePage();
        QCheckBox* toggle = page->launchAtLoginToggle();
        EXPECT_FALSE(toggle->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_EQ(toggle->isChecked(), accepts);
        EXPECT_EQ(rig.launchAtLoginEnabled, accepts);
        if (accepts) {
            QTest::mouseClick(toggle, Qt::LeftButton);
            EXPECT_FALSE(toggle->isChecked());
            EXPECT_FALSE(rig.launchAtLoginEnabled);
        }
    }
}

TEST_F(GeneralPageTest, LaunchAtLoginStartsFromTheSystemsState)
{
    rig.launchAtLoginEnabled = true;
    auto page = makePage();
    EXPECT_TRUE(page->launchAtLoginToggle()->isChecked());
}

TEST_F(GeneralPageTest, UpdatesSectionOnlyWithAnUpdateAction)
{
    {
        auto page = makePage();
        EXPECT_EQ(headers(*page), (QStringList{u"Startup"_s, u"Display"_s, u"Interaction"_s, u"Updates"_s}));
        ASSERT_NE(page->checkForUpdatesButton(), nullptr);
        EXPECT_EQ(page->checkForUpdatesButton()->text(), u"Check for Updates\u2026"_s);
        QTest::mouseClick(page->checkForUpdatesButton(), Qt::LeftButton);
        EXPECT_EQ(rig.updateChecks, 1);
    }
    rig.canCheckForUpdates = false;
    auto page = makePage();
    EXPECT_EQ(headers(*page), (QStringList{u"Startup"_s, u"Display"_s, u"Interaction"_s}));
    EXPECT_EQ(page->checkForUpdatesButton(), nullptr);
}

} // namespace
