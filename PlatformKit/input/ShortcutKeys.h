// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// The modifiers held at a key press. `Other` stands for any modifier the
// program gives no name to (AltGr, Hyper and the like).
enum class KeyModifier : unsigned {
    Shift = 1u << 0,
    Control = 1u << 1,
    Alt = 1u << 2,
    Super = 1u << 3,
    CapsLock = 1u << 4,
    NumLock = 1u << 5,
    Other = 1u << 6,
};
Q_DECLARE_FLAGS(KeyModifiers, KeyModifier)

// A key press as the shortcuts see it: the character the key types without
// any modifier in the current layout (0 for a key that types none).
struct KeyPress {
    KeyModifiers modifiers;
    char32_t character = 0;
};

// A shortcut of the program: exactly these modifiers plus the key typing
// `character` (lower case).
struct Shortcut {
    QString id;
    QString description;
    KeyModifiers modifiers;
    char32_t character = 0;
};

// Num Lock is ignored; any other modifier held as well, Caps Lock included,
// defeats the shortcut.
bool matches(const Shortcut& shortcut, const KeyPress& press);
std::optional<QString> matchingShortcut(const QList<Shortcut>& shortcuts, const KeyPress& press);

// The X11 core modifier mask (Shift, Lock, Control, Mod1 to Mod5 in bits 0 to
// 7) in the usual assignment: Mod1 Alt, Mod2 Num Lock, Mod4 Super.
KeyModifiers fromCoreModifierMask(std::uint32_t mask);

// The shortcut written as a desktop trigger, "CTRL+SHIFT+T".
QString triggerText(const Shortcut& shortcut);

} // namespace platform

Q_DECLARE_OPERATORS_FOR_FLAGS(platform::KeyModifiers)
