// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows the tray item opens besides its popover. Each is made on first
// use and kept by whoever implements it.

// The settings window: an open one is brought forward, a closed one built anew.
class SettingsWindowOpener {
public:
    virtual ~SettingsWindowOpener() = default;
    virtual void showSettings() = 0;

protected:
    SettingsWindowOpener() = default;
};

// The floating display panel: shown (or brought forward when it exists) and
// hidden as its setting turns on and off.
class FloatingPanelSwitch {
public:
    virtual ~FloatingPanelSwitch() = default;
    virtual void showPanel() = 0;
    virtual void hidePanel() = 0;

protected:
    FloatingPanelSwitch() = default;
};

class NullSettingsWindow final : public SettingsWindowOpener {
public:
    void showSettings() override { }
};

class NullFloatingPanel final : public FloatingPanelSwitch {
public:
    void showPanel() override { }
    void hidePanel() override { }
};
