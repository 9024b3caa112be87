// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <functional>

// What the popover is built from each time it opens.
struct PopoverContent {
    int customMinutes = 1; // the custom-duration field's starting value
    bool updateAvailable = false;
    std::function<void()> onOpenSettings;
    std::function<void()> onToggleFloatingDisplay;
    std::function<void()> onQuit;
    std::function<void()> onCheckForUpdates; // empty: no update check is offered
};

// The popover of the tray item. Its content is dropped whenever it closes, so
// every opening shows fresh values.
class PopoverHost {
public:
    virtual ~PopoverHost() = default;

    virtual bool isShown() const = 0;
    virtual bool hasContent() const = 0;
    virtual void setContent(PopoverContent content) = 0;
    virtual void dropContent() = 0;
    // Next to `anchor` (the tray item's rectangle, empty when unknown).
    virtual void show(const QRect& anchor) = 0;
    virtual void close() = 0;

protected:
    PopoverHost() = default;
};

class NullPopover final : public PopoverHost {
public:
    bool isShown() const override { return false; }
    bool hasContent() const override { return false; }
    void setContent(PopoverContent) override { }
    void dropContent() override { }
    void show(const QRect&) override { }
    void close() override { }
};
