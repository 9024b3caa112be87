// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotMatrixAccessibility.h"

#include "DotMatrixKit/DotMatrixView.h"

#include <mutex>

DotMatrixAccessible::DotMatrixAccessible(DotMatrixView* view)
    : QAccessibleWidget(view, QAccessible::StaticText)
{
}

QAccessible::State DotMatrixAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.animated = true;
    return state;
}

namespace {

QAccessibleInterface* createDotMatrixAccessible(const QString&, QObject* object)
{
    if (auto* view = qobject_cast<DotMatrixView*>(object))
        return new DotMatrixAccessible(view);
    return nullptr;
}

} // namespace

void installDotMatrixAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(createDotMatrixAccessible); });
}
