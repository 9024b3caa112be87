// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateDialog.h"
#include "Kelvane/update/UpdateDialogText.h"

#include <QPushButton>

#include <gtest/gtest.h>

TEST(UpdateDialogText, SaysWhatTheCheckFound)
{
    const AppcastItem named{"130", "1.3", QUrl("https://e.org/notes"), QUrl("https://e.org/get")};
    const AppcastItem unnamed{"1.4", "", {}, QUrl("https://e.org/get")};
    struct Case {
        const char* name;
        UpdateCheckOutcome outcome;
        UpdateDialogText expected;
    };
    const Case cases[] = {
        {"up to date", UpToDate{}, {"Kelvane is up to date (version 0.1.0).", {}, {}}},
        {"a newer release by its short version",
         named,
         {"Kelvane 1.3 is available; you have version 0.1.0.", named.releaseNotes, named.download}},
        {"a newer release without a short version",
         unnamed,
         {"Kelvane 1.4 is available; you have version 0.1.0.", {}, unnamed.download}},
        {"unreachable", UpdateCheckFailure::Unreachable, {"The update server could not be reached.", {}, {}}},
        {"timed out", UpdateCheckFailure::TimedOut, {"The update server did not answer in time.", {}, {}}},
        {"server error",
         UpdateCheckFailure::ServerError,
         {"The update server could not provide the update information.", {}, {}}},
        {"too large", UpdateCheckFailure::TooLarge, {"The update information could not be read.", {}, {}}},
        {"unreadable", UpdateCheckFailure::Unreadable, {"The update information could not be read.", {}, {}}},
        {"refused redirect",
         UpdateCheckFailure::RefusedRedirect,
         {"The update server sent the check to an address it will not follow.", {}, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(update::dialogText(c.outcome, u"0.1.0"), c.expected);
    }
    EXPECT_EQ(update::checkingText().message, QStringLiteral("Checking for updates…"));
}

TEST(UpdateDialog, ShowsLinkAndDownloadOnlyWhenThereAreSome)
{
    UpdateDialog dialog;
    std::vector<QUrl> opened;
    int downloads = 0;
    dialog.setOnOpenLink([&](const QUrl& url) { opened.push_back(url); });
    dialog.setOnDownload([&] { ++downloads; });
    dialog.show();

    dialog.setText(update::checkingText());
    EXPECT_EQ(dialog.message(), QStringLiteral("Checking for updates…"));
    EXPECT_FALSE(dialog.showsReleaseNotes());
    EXPECT_TRUE(dialog.downloadButton()->isHidden());

    const UpdateDialogText found{"Kelvane 1.3 is available.", QUrl("https://e.org/notes?a=1&b=2"),
                                 QUrl("https://e.org/get")};
    dialog.setText(found);
    EXPECT_EQ(dialog.message(), found.message);
    EXPECT_TRUE(dialog.showsReleaseNotes());
    EXPECT_FALSE(dialog.downloadButton()->isHidden());
    dialog.openReleaseNotes();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], found.releaseNotes);

    dialog.downloadButton()->click();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], found.download);
    EXPECT_EQ(downloads, 1);
    EXPECT_FALSE(dialog.isVisible());

    dialog.setText({"The update server could not be reached.", {}, {}});
    EXPECT_FALSE(dialog.showsReleaseNotes());
    EXPECT_TRUE(dialog.downloadButton()->isHidden());
}
