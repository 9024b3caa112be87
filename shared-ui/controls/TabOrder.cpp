// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/TabOrder.h"

#include <QList>
#include <QWidget>

namespace {

void collectTabStops(QWidget* widget, QList<QWidget*>& stops)
{
    for (QObject* child : widget->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        if (!childWidget || childWidget->isWindow())
            continue;
        if ((childWidget->focusPolicy() & Qt::TabFocus) && !childWidget->focusProxy())
            stops.append(childWidget);
        collectTabStops(childWidget, stops);
    }
}

} // namespace

void followTreeOrderWithTab(QWidget* root)
{
    QList<QWidget*> stops;
    collectTabStops(root, stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}
