// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QWidget>

// A plain container that assistive technologies see as one named group of
// the controls inside it, such as a set of radio buttons or a stepper's two
// buttons, rather than as an anonymous filler.
class AccessibleGroup final : public QWidget, public AccessibleTraits {
    Q_OBJECT

public:
    explicit AccessibleGroup(const QString& accessibleName, QWidget* parent = nullptr);

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }
};
