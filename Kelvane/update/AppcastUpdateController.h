// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/FeedDownload.h"
#include "Kelvane/update/UpdateController.h"
#include "Kelvane/update/UpdateDialog.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>

// Checks an appcast feed for a newer version of the program. In the
// background at most once a day (the last check's time is kept in the shared
// store), quietly: a newer version turns `updateAvailable` on and nothing
// else. A manual check shows its result in a small dialog, whose Download
// button opens the download page and clears the flag. Main thread.
class AppcastUpdateController final : public UpdateController {
    Q_OBJECT

public:
    struct Settings {
        QUrl feedUrl;
        QString currentVersion;
        platform::UserDefaults* defaults = nullptr;
        platform::Clock clock = &platform::Date::now;
        FeedDownload::Limits limits;
        // Opens a web page in the browser.
        std::function<bool(const QUrl&)> openUrl;
        // The first look after start, then how often it is asked whether a
        // day has passed: a program left running for days still checks.
        std::chrono::milliseconds firstLook = std::chrono::minutes(1);
        std::chrono::milliseconds lookSpacing = std::chrono::hours(1);
    };

    explicit AppcastUpdateController(Settings settings, QObject* parent = nullptr);
    ~AppcastUpdateController() override;

    bool canCheckForUpdates() const override { return true; }
    void checkForUpdates() override;
    // Starts a background check if a day has passed since the last one.
    void runScheduledCheckIfDue();

    bool isChecking() const { return m_download.isRunning(); }
    // The manual check's dialog while it is open.
    UpdateDialog* dialog() const { return m_dialog; }

private:
    void startCheck();
    void handleResult(const FeedDownload::Result& result);
    UpdateDialog& showDialog();

    Settings m_settings;
    FeedDownload m_download;
    QTimer m_look;
    QPointer<UpdateDialog> m_dialog;
    // Whether the dialog waits for the running check's result.
    bool m_dialogWaits = false;
};
