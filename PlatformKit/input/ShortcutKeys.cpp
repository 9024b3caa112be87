// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/ShortcutKeys.h"

#include <QChar>
#include <QStringList>

#include <array>
#include <utility>

namespace platform {

bool matches(const Shortcut& shortcut, const KeyPress& press)
{
    KeyModifiers held = press.modifiers;
    held.setFlag(KeyModifier::NumLock, false);
    return held == shortcut.modifiers && press.character != 0
        && QChar::toLower(press.character) == QChar::toLower(shortcut.character);
}

std::optional<QString> matchingShortcut(const QList<Shortcut>& shortcuts, const KeyPress& press)
{
    for (const Shortcut& shortcut : shortcuts) {
        if (matches(shortcut, press))
            return shortcut.id;
    }
    return std::nullopt;
}

KeyModifiers fromCoreModifierMask(std::uint32_t mask)
{
    static constexpr std::array bits{
        KeyModifier::Shift,   KeyModifier::CapsLock, KeyModifier::Control, KeyModifier::Alt,
        KeyModifier::NumLock, KeyModifier::Other,    KeyModifier::Super,   KeyModifier::Other,
    };
    KeyModifiers modifiers;
    for (std::size_t bit = 0; bit < bits.size(); ++bit) {
        if (mask & (1u << bit))
            modifiers |= bits[bit];
    }
    return modifiers;
}

QString triggerText(const Shortcut& shortcut)
{
    static constexpr std::array names{
        std::pair{KeyModifier::Control, "CTRL"},
        std::pair{KeyModifier::Alt, "ALT"},
        std::pair{KeyModifier::Shift, "SHIFT"},
        std::pair{KeyModifier::Super, "LOGO"},
    };
    QStringList parts;
    for (const auto& [modifier, name] : names) {
        if (shortcut.modifiers.testFlag(modifier))
            parts.append(QString::fromLatin1(name));
    }
    parts.append(QString::fromUcs4(&shortcut.character, 1).toUpper());
    return parts.join(QLatin1Char('+'));
}

} // namespace platform
