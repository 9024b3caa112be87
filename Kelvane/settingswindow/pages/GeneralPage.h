// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class AppSettings;
class LaunchAtLoginManager;
class QCheckBox;
class QPushButton;

// The app-wide switches: launch at login, the floating display, the global
// shortcuts and, where the program can check, a software-update check.
class GeneralPage final : public QWidget {
    Q_OBJECT

public:
    // No Updates section without `onCheckForUpdates`.
    GeneralPage(AppSettings& settings, LaunchAtLoginManager& launchAtLogin, std::function<void()> onCheckForUpdates,
                QWidget* parent = nullptr);

    QCheckBox* launchAtLoginToggle() const { return m_launchAtLogin; }
    QCheckBox* floatingDisplayToggle() const { return m_floatingDisplay; }
    QCheckBox* globalShortcutsToggle() const { return m_globalShortcuts; }
    // None without an update action.
    QPushButton* checkForUpdatesButton() const { return m_checkForUpdates; }

private:
    void showValues();

    AppSettings& m_settings;
    LaunchAtLoginManager& m_launchAtLoginManager;
    QCheckBox* m_launchAtLogin;
    QCheckBox* m_floatingDisplay;
    QCheckBox* m_globalShortcuts;
    QPushButton* m_checkForUpdates = nullptr;
};
