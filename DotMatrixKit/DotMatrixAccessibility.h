// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class DotMatrixView;

// What assistive technology sees of a dot-matrix display: one static text
// element named by the view's accessible name, with no children, marked as
// animated because its content changes every second while a timer runs. (Qt
// has no "updates frequently" state; animated is the nearest it reports.)
class DotMatrixAccessible final : public QAccessibleWidget {
public:
    explicit DotMatrixAccessible(DotMatrixView* view);

    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

// Registers the factory that gives every DotMatrixView the interface above.
// Qt keeps factories process-wide; this installs it once however often it is called.
void installDotMatrixAccessibility();
