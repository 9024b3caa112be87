// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Watches for the two global shortcuts, Control-Shift-T (toggle) and
// Control-Shift-R (reset), between `enable()` and `disable()`. Whether it is
// enabled is its owner's to track. The callbacks always run on the main thread.
class HotkeyManager {
public:
    virtual ~HotkeyManager() = default;

    void setOnToggleTimer(std::function<void()> callback) { m_onToggleTimer = std::move(callback); }
    void setOnResetTimer(std::function<void()> callback) { m_onResetTimer = std::move(callback); }

    virtual void enable() = 0;
    virtual void disable() = 0;

protected:
    HotkeyManager() = default;
    void toggleTimer() const
    {
        if (m_onToggleTimer)
            m_onToggleTimer();
    }
    void resetTimer() const
    {
        if (m_onResetTimer)
            m_onResetTimer();
    }

private:
    std::function<void()> m_onToggleTimer;
    std::function<void()> m_onResetTimer;
};
