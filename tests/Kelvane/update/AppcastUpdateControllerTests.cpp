// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/AppcastUpdateController.h"

#include "Kelvane/update/LoopbackHttpServer.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/FakeClock.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

QByteArray feedOf(const char* version)
{
    return QByteArray(R"(<rss xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel><item>
        <sparkle:releaseNotesLink>https://example.org/notes</sparkle:releaseNotesLink>
        <enclosure url="https://example.org/download" sparkle:version=")")
        + version + R"("/></item></channel></rss>)";
}

// A controller on a loopback feed, a fake clock and a store of its own; it
// never looks on its own during a test, and records the pages it opens.
struct UpdateRig {
    explicit UpdateRig(const QByteArray& path = "/feed")
    {
        AppcastUpdateController::Settings settings;
        settings.feedUrl = server.url(path);
        settings.currentVersion = QStringLiteral("0.1.0");
        settings.defaults = defaults.get();
        settings.clock = clock.provider();
        settings.limits = {1024 * 1024, 1s};
        settings.openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        settings.firstLook = 24h;
        controller = std::make_unique<AppcastUpdateController>(std::move(settings));
    }

    bool settle()
    {
        return platform::test::waitUntil([this] { return !controller->isChecking(); });
    }
    std::optional<platform::Date> lastCheck() const { return defaults->date(SharedDefaultsKeys::lastUpdateCheck); }

    LoopbackHttpServer server;
    FakeClock clock;
    std::unique_ptr<platform::UserDefaults> defaults = platform::UserDefaults::inMemory();
    std::vector<QUrl> opened;
    std::unique_ptr<AppcastUpdateController> controller;
};

} // namespace

TEST(AppcastUpdateController, LooksInTheBackgroundAtMostOnceADay)
{
    UpdateRig rig;
    rig.server.serve("/feed", {200, feedOf("0.1.0")});
    EXPECT_TRUE(rig.controller->canCheckForUpdates());

    rig.controller->runScheduledCheckIfDue();
    ASSERT_TRUE(rig.settle());
    EXPECT_EQ(rig.server.requests("/feed"), 1);
    EXPECT_EQ(rig.lastCheck(), rig.clock.now());

    const std::pair<double, int> steps[] = {{0, 1}, {23 * 3600, 1}, {3599, 1}, {1, 2}, {60, 2}, {24 * 3600, 3}};
    for (const auto& [seconds, expected] : steps) {
        rig.clock.advance(seconds);
        rig.controller->runScheduledCheckIfDue();
        ASSERT_TRUE(rig.settle());
        EXPECT_EQ(rig.server.requests("/feed"), expected) << "after " << seconds << " s more";
    }
    EXPECT_FALSE(rig.controller->updateAvailable());
    EXPECT_EQ(rig.controller->dialog(), nullptr);
}

TEST(AppcastUpdateController, TheDayCountsFromTheLastCheckEvenInAnotherRun)
{
    UpdateRig rig;
    rig.server.serve("/feed", {200, feedOf("0.2")});
    rig.defaults->setDate(SharedDefaultsKeys::lastUpdateCheck, rig.clock.now() - 3600);
    rig.controller->runScheduledCheckIfDue();
    ASSERT_TRUE(rig.settle());
    EXPECT_EQ(rig.server.requests("/feed"), 0);
}

TEST(AppcastUpdateController, ABackgroundCheckTellsOfANewerVersionAndIsQuietOtherwise)
{
    struct Case {
        const char* name;
        LoopbackHttpServer::Response response;
        bool available;
    };
    const Case cases[] = {
        {"newer", {200, feedOf("0.2.0")}, true},
        {"same", {200, feedOf("0.1")}, false},
        {"bad XML", {200, "<rss><channel><item>"}, false},
        {"missing", {404, "no"}, false},
        {"too large", {200, QByteArray(2 * 1024 * 1024, ' ')}, false},
        {"redirected to a file", {302, {}, {"Location: file:///tmp/feed.xml"}}, false},
        {"silent", {200, {}, {}, true, false}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateRig rig;
        rig.server.serve("/feed", c.response);
        rig.controller->runScheduledCheckIfDue();
        ASSERT_TRUE(rig.settle());
        EXPECT_EQ(rig.server.requests("/feed"), 1);
        EXPECT_EQ(rig.controller->updateAvailable(), c.available);
        EXPECT_EQ(rig.controller->dialog(), nullptr);
        EXPECT_TRUE(rig.opened.empty());
    }
}

TEST(AppcastUpdateController, AManualCheckShowsTheNewVersionAndDownloadOpensItsPage)
{
    UpdateRig rig;
    rig.server.serve("/feed", {200, feedOf("0.3.0")});
    rig.controller->setUpdateAvailable(true);

    rig.controller->checkForUpdates();
    UpdateDialog* dialog = rig.controller->dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->message(), QStringLiteral("Checking for updates…"));
    ASSERT_TRUE(rig.settle());
    EXPECT_EQ(dialog->message(), QStringLiteral("Kelvane 0.3.0 is available; you have version 0.1.0."));
    EXPECT_TRUE(dialog->showsReleaseNotes());
    EXPECT_EQ(rig.lastCheck(), rig.clock.now()); // a manual check counts as the day's check
    EXPECT_TRUE(rig.controller->updateAvailable()); // the dialog's news is not attended to yet

    dialog->openReleaseNotes();
    dialog->downloadButton()->click();
    EXPECT_EQ(rig.opened, (std::vector<QUrl>{QUrl("https://example.org/notes"), QUrl("https://example.org/download")}));
    EXPECT_FALSE(rig.controller->updateAvailable());
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(rig.controller->dialog(), nullptr); // closed and gone: the next check builds a new one
}

TEST(AppcastUpdateController, AManualCheckThatFailsSaysSoInOneLine)
{
    UpdateRig rig("/missing");
    rig.controller->checkForUpdates();
    ASSERT_TRUE(rig.settle());
    ASSERT_NE(rig.controller->dialog(), nullptr);
    EXPECT_EQ(rig.controller->dialog()->message(),
              QStringLiteral("The update server could not provide the update information."));
    EXPECT_TRUE(rig.controller->dialog()->downloadButton()->isHidden());
    EXPECT_FALSE(rig.controller->updateAvailable());
}

TEST(AppcastUpdateController, AManualCheckDuringABackgroundOneTakesItsAnswer)
{
    UpdateRig rig;
    rig.server.serve("/feed", {200, feedOf("0.2.0")});
    rig.controller->runScheduledCheckIfDue();
    rig.controller->checkForUpdates();
    ASSERT_TRUE(rig.settle());
    EXPECT_EQ(rig.server.requests("/feed"), 1);
    EXPECT_EQ(rig.controller->dialog()->message(),
              QStringLiteral("Kelvane 0.2.0 is available; you have version 0.1.0."));
    EXPECT_FALSE(rig.controller->updateAvailable()); // shown, so no reminder dot
}
