#pragma once

// Whether the desktop is in do-not-disturb.
class FocusStatusManager {
public:
    virtual ~FocusStatusManager() = default;
    virtual bool isFocused() const = 0;

protected:
    FocusStatusManager() = default;
};
