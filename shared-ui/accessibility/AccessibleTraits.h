// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the kit's own widgets tell assistive technologies beyond Qt's stock
// interfaces: a role, a selected state, being hidden while still laid out,
// named actions such as "Move Up", and children combined into one element. A
// widget opts in by deriving from AccessibleTraits and calling
// installAccessibleTraits() once.

#include <QAccessible>
#include <QStringList>

class QWidget;

class AccessibleTraits {
public:
    virtual ~AccessibleTraits() = default;

    virtual QAccessible::Role accessibleRole() const = 0;
    virtual bool isAccessiblySelected() const { return false; }
    // Hidden from assistive technologies while still taking up its place.
    virtual bool isAccessiblyHidden() const { return false; }
    // One element for the whole widget: its name says what its children show,
    // and they are not offered one by one.
    virtual bool combinesChildren() const { return false; }
    // Named actions besides the press of a button.
    virtual QStringList accessibleActionNames() const { return {}; }
    virtual void doAccessibleAction(const QString& name) { Q_UNUSED(name); }
};

// Registers the interface factory for AccessibleTraits widgets; safe to call
// any number of times.
void installAccessibleTraits();

// Tells assistive technologies that `widget`'s selected or hidden state changed.
void announceAccessibleStateChange(QWidget* widget, QAccessible::State changed);

// Stores `selected` in `flag` and, when that changes it, announces the change
// and repaints `widget`.
void setAccessiblySelected(QWidget* widget, bool& flag, bool selected);
