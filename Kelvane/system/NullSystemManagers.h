// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/FocusStatusManager.h"
#include "Kelvane/system/HotkeyManager.h"
#include "Kelvane/system/LaunchAtLoginManager.h"
#include "Kelvane/system/SleepPreventionManager.h"
#include "Kelvane/system/SoundManager.h"

// Managers that do nothing: the stand-ins for a manager left out, and what
// tests use where a manager does not matter.

class NullHotkeyManager final : public HotkeyManager {
public:
    void enable() override { }
    void disable() override { }
};

class NullSleepPreventionManager final : public SleepPreventionManager {
public:
    bool isActive() const override { return false; }
    void beginPreventingSleep() override { }
    bool release() override { return true; }
};

class NullSoundManager final : public SoundManager {
public:
    void play(CompletionSound) override { }
};

class NullFocusStatusManager final : public FocusStatusManager {
public:
    bool isFocused() const override { return false; }
};

class NullLaunchAtLoginManager final : public LaunchAtLoginManager {
public:
    using LaunchAtLoginManager::LaunchAtLoginManager;
    void refreshStatus() override { }
    void enable() override { }
    void disable() override { }
};
