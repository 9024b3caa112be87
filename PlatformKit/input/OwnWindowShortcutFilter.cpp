// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/input/OwnWindowShortcutFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform {

namespace {

KeyModifiers fromQtModifiers(Qt::KeyboardModifiers qt)
{
    KeyModifiers modifiers;
    modifiers.setFlag(KeyModifier::Shift, qt.testFlag(Qt::ShiftModifier));
    modifiers.setFlag(KeyModifier::Control, qt.testFlag(Qt::ControlModifier));
    modifiers.setFlag(KeyModifier::Alt, qt.testFlag(Qt::AltModifier));
    modifiers.setFlag(KeyModifier::Super, qt.testFlag(Qt::MetaModifier));
    modifiers.setFlag(KeyModifier::Other, qt.testFlag(Qt::GroupSwitchModifier));
    return modifiers;
}

} // namespace

KeyPress keyPressOf(const QKeyEvent& event)
{
    const quint32 native = event.nativeModifiers();
    const KeyModifiers modifiers = native != 0 ? fromCoreModifierMask(native) : fromQtModifiers(event.modifiers());
    // Qt's key codes below the special keys are Unicode (letters upper case).
    const int key = event.key();
    const char32_t character = key > 0 && key < Qt::Key_Escape ? QChar::toLower(char32_t(key)) : 0;
    return {modifiers, character};
}

OwnWindowShortcutFilter::OwnWindowShortcutFilter(QList<Shortcut> shortcuts, ShortcutActivated onActivated)
    : m_shortcuts(std::move(shortcuts))
    , m_onActivated(std::move(onActivated))
{
    QCoreApplication::instance()->installEventFilter(this);
}

OwnWindowShortcutFilter::~OwnWindowShortcutFilter()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool OwnWindowShortcutFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const std::optional<QString> id = matchingShortcut(m_shortcuts, keyPressOf(*static_cast<QKeyEvent*>(event)));
    if (!id)
        return false;
    m_onActivated(*id);
    return true;
}

} // namespace platform
