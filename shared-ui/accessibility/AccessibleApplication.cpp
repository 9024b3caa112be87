// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibleApplication.h"

#include <QAccessibleObject>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

namespace {

class ApplicationWithPopups final : public QAccessibleApplication {
public:
    int childCount() const override { return static_cast<int>(windows().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QObjectList shown = windows();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(windows().indexOf(child->object())) : -1;
    }

private:
    // Every top-level window but the desktop, as Qt's own list, and popups
    // while they are shown: a closed menu is no part of what a user reaches.
    static QObjectList windows()
    {
        QObjectList list;
        const QWindowList topLevels = QGuiApplication::topLevelWindows();
        for (QWindow* window : topLevels) {
            if (window->type() == Qt::Desktop || (window->type() == Qt::Popup && !window->isVisible()))
                continue;
            if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object())
                list.append(root->object());
        }
        return list;
    }
};

QAccessibleInterface* applicationFactory(const QString&, QObject* object)
{
    if (object && object == QCoreApplication::instance())
        return new ApplicationWithPopups;
    return nullptr;
}

} // namespace

void installAccessibleApplication()
{
    static const bool installed = [] {
        QAccessible::installFactory(applicationFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
