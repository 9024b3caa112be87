// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settingswindow/SettingsWindowParts.h"
#include "Kelvane/status/AppWindows.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

class SettingsView;

// Opens the settings window: one at a time, brought forward while open, and
// built anew, on the General tab, after it was closed. Closing the window
// destroys it with all it showed.
class SettingsWindowController final : public SettingsWindowOpener {
public:
    static constexpr QSize initialSize{700, 650};
    static constexpr QSize minimumSize{700, 600};
    static constexpr QSize maximumSize{1000, 900};
    // Titled, closable and resizable, with neither a minimise nor a maximise button.
    static constexpr Qt::WindowFlags windowFlags
        = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

    explicit SettingsWindowController(SettingsWindowParts parts);
    ~SettingsWindowController() override;

    void showSettings() override;

    // The open window, or none.
    QWidget* window() const { return m_window; }
    SettingsView* view() const;

private:
    void buildWindow();

    SettingsWindowParts m_parts;
    QPointer<QWidget> m_window;
};
