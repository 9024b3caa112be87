// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/input/ShortcutWatch.h"

#include <QObject>

class QKeyEvent;

namespace platform {

// Takes the shortcuts' key presses before any of this program's windows sees
// them; every other key press goes on unchanged.
class OwnWindowShortcutFilter final : public QObject, public ShortcutWatch {
public:
    OwnWindowShortcutFilter(QList<Shortcut> shortcuts, ShortcutActivated onActivated);
    ~OwnWindowShortcutFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<Shortcut> m_shortcuts;
    ShortcutActivated m_onActivated;
};

// A Qt key event as the shortcuts see it. The native modifiers carry Caps
// Lock, which Qt's own do not; events without them (synthesised ones) fall
// back to Qt's.
KeyPress keyPressOf(const QKeyEvent& event);

} // namespace platform
