// SPDX-License-Identifier: GPL-3.0-or-later
// The filter on the program's own windows, with key events sent the way the
// platform delivers them.
#include "PlatformKit/input/OwnWindowShortcutFilter.h"

#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using platform::KeyModifier;

namespace {

// Records the keys it receives, but for the modifier keys themselves.
class KeyRecordingWidget final : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() < Qt::Key_Shift || event->key() > Qt::Key_AltGr)
            keys.append(event->key());
    }
};

class OwnWindowShortcuts : public ::testing::Test {
protected:
    QList<QString> activated;
    KeyRecordingWidget widget;
    platform::OwnWindowShortcutFilter filter{
        {{QStringLiteral("toggle"), {}, KeyModifier::Control | KeyModifier::Shift, U't'}},
        [this](const QString& id) { activated.append(id); }};
};

TEST_F(OwnWindowShortcuts, TheShortcutIsTakenBeforeTheWindowSeesIt)
{
    QTest::keyClick(&widget, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(activated, QList<QString>{QStringLiteral("toggle")});
    EXPECT_TRUE(widget.keys.isEmpty());
}

TEST_F(OwnWindowShortcuts, OtherKeysReachTheWindow)
{
    QTest::keyClick(&widget, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&widget, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(&widget, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(activated.isEmpty());
    EXPECT_EQ(widget.keys, (QList<int>{Qt::Key_X, Qt::Key_T, Qt::Key_T}));
}

TEST_F(OwnWindowShortcuts, NativeModifiersCarryCapsLock)
{
    // X11 state: Shift 0x1, Lock 0x2, Control 0x4, Mod2 (Num Lock) 0x10.
    const auto press = [](quint32 native) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier, 28, 0x74, native);
    };
    EXPECT_EQ(platform::keyPressOf(press(0x1 | 0x4 | 0x10)).modifiers,
              KeyModifier::Control | KeyModifier::Shift | KeyModifier::NumLock);
    EXPECT_EQ(platform::keyPressOf(press(0x1 | 0x2 | 0x4)).modifiers,
              KeyModifier::Control | KeyModifier::Shift | KeyModifier::CapsLock);
    EXPECT_EQ(platform::keyPressOf(press(0)).character, U't');
}

TEST(OwnWindowShortcutsLifetime, GoneFilterLetsTheShortcutThrough)
{
    KeyRecordingWidget widget;
    {
        platform::OwnWindowShortcutFilter filter({{QStringLiteral("toggle"), {}, KeyModifier::Control, U't'}},
                                                 [](const QString&) {});
    }
    QTest::keyClick(&widget, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(widget.keys, QList<int>{Qt::Key_T});
}

} // namespace
