// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

class TraitsAccessible : public QAccessibleWidget {
public:
    TraitsAccessible(QWidget* widget, AccessibleTraits* traits)
        : QAccessibleWidget(widget, traits->accessibleRole())
        , m_traits(traits)
    {
    }

    QAccessible::Role role() const override { return m_traits->accessibleRole(); }

    QAccessible::State state() const override
    {
        auto state = QAccessibleWidget::state();
        if (m_traits->isAccessiblySelected())
            state.selected = true;
        if (m_traits->isAccessiblyHidden())
            state.invisible = true;
        return state;
    }

    int childCount() const override { return m_traits->combinesChildren() ? 0 : QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        return m_traits->combinesChildren() ? nullptr : QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return m_traits->combinesChildren() ? -1 : QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        return m_traits->combinesChildren() ? nullptr : QAccessibleWidget::childAt(x, y);
    }

    QStringList actionNames() const override
    {
        auto names = QAccessibleWidget::actionNames();
        if (button() && button()->isEnabled())
            names.prepend(pressAction());
        return names + m_traits->accessibleActionNames();
    }

    void doAction(const QString& name) override
    {
        if (auto* target = button(); target && name == pressAction()) {
            if (target->isEnabled())
                target->click();
            return;
        }
        if (m_traits->accessibleActionNames().contains(name)) {
            m_traits->doAccessibleAction(name);
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton* button() const { return qobject_cast<QAbstractButton*>(widget()); }

    AccessibleTraits* m_traits;
};

QAccessibleInterface* traitsFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    auto* traits = dynamic_cast<AccessibleTraits*>(object);
    if (!widget || !traits)
        return nullptr;
    return new TraitsAccessible(widget, traits);
}

} // namespace

void installAccessibleTraits()
{
    static const bool installed = [] {
        QAccessible::installFactory(traitsFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void announceAccessibleStateChange(QWidget* widget, QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void setAccessiblySelected(QWidget* widget, bool& flag, bool selected)
{
    if (flag == selected)
        return;
    flag = selected;
    QAccessible::State changed;
    changed.selected = true;
    announceAccessibleStateChange(widget, changed);
    widget->update();
}
