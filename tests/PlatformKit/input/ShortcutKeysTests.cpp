// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/ShortcutKeys.h"

#include <gtest/gtest.h>

using platform::KeyModifier;
using platform::KeyModifiers;
using platform::KeyPress;
using platform::Shortcut;

namespace {

const KeyModifiers controlShift = KeyModifier::Control | KeyModifier::Shift;
const QList<Shortcut> shortcuts{
    {QStringLiteral("toggle"), {}, controlShift, U't'},
    {QStringLiteral("reset"), {}, controlShift, U'r'},
};

struct PressCase {
    const char* name;
    KeyModifiers modifiers;
    char32_t character;
    const char* expected; // null: no shortcut
};

TEST(ShortcutKeys, OnlyExactlyControlShiftWithTheKeyMatches)
{
    const PressCase cases[] = {
        {"control shift t", controlShift, U't', "toggle"},
        {"control shift r", controlShift, U'r', "reset"},
        {"upper-case character", controlShift, U'T', "toggle"},
        {"num lock is ignored", controlShift | KeyModifier::NumLock, U't', "toggle"},
        {"caps lock defeats", controlShift | KeyModifier::CapsLock, U't', nullptr},
        {"alt defeats", controlShift | KeyModifier::Alt, U't', nullptr},
        {"super defeats", controlShift | KeyModifier::Super, U't', nullptr},
        {"an unnamed modifier defeats", controlShift | KeyModifier::Other, U't', nullptr},
        {"control alone", KeyModifier::Control, U't', nullptr},
        {"shift alone", KeyModifier::Shift, U't', nullptr},
        {"no modifiers", {}, U't', nullptr},
        {"another key", controlShift, U'x', nullptr},
        {"a key typing nothing", controlShift, 0, nullptr},
    };
    for (const PressCase& c : cases) {
        const std::optional<QString> id = platform::matchingShortcut(shortcuts, KeyPress{c.modifiers, c.character});
        if (c.expected)
            EXPECT_EQ(id, QString::fromLatin1(c.expected)) << c.name;
        else
            EXPECT_EQ(id, std::nullopt) << c.name;
    }
}

TEST(ShortcutKeys, CoreModifierMaskNamesTheUsualAssignment)
{
    const std::pair<std::uint32_t, KeyModifiers> cases[] = {
        {0x01, KeyModifier::Shift},
        {0x02, KeyModifier::CapsLock},
        {0x04, KeyModifier::Control},
        {0x08, KeyModifier::Alt},
        {0x10, KeyModifier::NumLock},
        {0x20, KeyModifier::Other},
        {0x40, KeyModifier::Super},
        {0x80, KeyModifier::Other},
        {0x05, controlShift},
        // Pointer buttons above the eight modifiers are not modifiers.
        {0x100 | 0x04, KeyModifier::Control},
    };
    for (const auto& [mask, expected] : cases)
        EXPECT_EQ(platform::fromCoreModifierMask(mask), expected) << std::hex << mask;
}

TEST(ShortcutKeys, TriggerTextNamesModifiersThenTheKey)
{
    EXPECT_EQ(platform::triggerText(shortcuts[0]), QStringLiteral("CTRL+SHIFT+T"));
    EXPECT_EQ(platform::triggerText({{}, {}, KeyModifier::Super | KeyModifier::Alt, U'r'}),
              QStringLiteral("ALT+LOGO+R"));
}

} // namespace
