// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether the desktop is in do-not-disturb.
class FocusStatusManager {
public:
    virtual ~FocusStatusManager() = default;
    virtual bool isFocused() const = 0;
    // Asked when the user chooses to respect do-not-disturb. The desktop
    // shows its state to every program, so there is nothing to ask for.
    void requestAuthorization() { }

protected:
    FocusStatusManager() = default;
};
