// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the screen shows, read with the tools a user's desktop has (xdotool,
// xwininfo, import), and the mouse driven with xdotool.

#include "TestDesktop.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

struct WindowState {
    QRect geometry; // in root coordinates
    bool viewable = false;
};

class ScreenProbe {
public:
    explicit ScreenProbe(const TestDesktop& desktop)
        : m_desktop(desktop)
    {
    }

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
    // Clicks `point` until `done` holds within `timeout`, once more where a
    // loaded machine lost the first click: only for clicks whose repeat does
    // no harm. With `window` given, a click that took that window away had
    // its effect, which is then waited for instead.
    bool clickUntil(QPoint point, const std::function<bool()>& done, std::chrono::milliseconds timeout,
                    const QString& window = {}) const;
    // Until the window has the keyboard focus: keys reach it only then.
    bool waitForFocus(const QString& window) const;
    // The window's area once it stops moving; none when it keeps moving or is gone.
    std::optional<QRect> waitForStill(const QString& window) const;
    // Drags with the first button from `from` by `shift`, in small steps as a
    // hand does, pausing after the press for the window manager to take over.
    bool drag(QPoint from, QPoint shift) const;
    // Where the pointer is, in root coordinates.
    std::optional<QPoint> pointer() const;

private:
    const TestDesktop& m_desktop;
};
