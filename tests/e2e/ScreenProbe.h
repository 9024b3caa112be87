#pragma once

// What the screen shows, read with the tools a user's desktop has (xdotool,
// xwininfo, import), and the mouse driven with xdotool.

#include "TestDesktop.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

struct WindowState {
    QRect geometry; // in root coordinates
    bool viewable = false;
};

class ScreenProbe {
public:
    explicit ScreenProbe(const TestDesktop& desktop) : m_desktop(desktop) {}

    // Window ids (as xdotool writes them) that `xdotool search <arguments>` finds.
    QStringList search(const QStringList& arguments) const;
    std::optional<WindowState> state(const QString& window) const;
    // Its parent, none for the root.
    std::optional<QString> parent(const QString& window) const;
    // Whether `ancestor` is among the windows that contain `window`.
    bool isInside(const QString& window, const QStringList& ancestors) const;

    // The program's viewable windows inside a window of class `hostClass`, or
    // not inside any when `hostClass` is empty.
    QStringList programWindows(const QString& hostClass = {}) const;

    // The window as it shows, written to `file` too.
    QImage capture(const QString& window, const QString& file) const;
    // Moves the pointer to the middle of `area` and presses and releases `button`.
    bool click(const QRect& area, int button) const;

private:
    const TestDesktop& m_desktop;
};
