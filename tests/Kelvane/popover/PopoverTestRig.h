// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A popover content view on a controller built from fakes, and ways to find
// and press its controls as a user would.
#include "Kelvane/popover/PopoverContentView.h"

#include "../status/ControllerRig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

struct PopoverRig {
    ControllerRig rig;
    PopoverContent content;
    std::unique_ptr<PopoverContentView> view;
    int settingsCalls = 0;
    int floatingCalls = 0;
    int quitCalls = 0;
    int updateCalls = 0;

    PomodoroSession& pomodoro() { return rig.model().pomodoro(); }
    CustomTimerSession& custom() { return rig.model().customSession(); }
    CustomTimerStore& store() { return rig.model().customTimers(); }
    TimerEngine& engine() { return rig.engine(); }
    PopoverModel model() { return PopoverModel::of(rig.model(), rig.commands()); }

    // A fresh view, as an opening of the popover builds it.
    void open(bool offersUpdates = true, bool updateAvailable = false)
    {
        content.customMinutes = 15;
        content.updateAvailable = updateAvailable;
        content.onOpenSettings = [this] { ++settingsCalls; };
        content.onToggleFloatingDisplay = [this] { ++floatingCalls; };
        content.onQuit = [this] { ++quitCalls; };
        content.onCheckForUpdates = offersUpdates ? std::function<void()>([this] { ++updateCalls; }) : nullptr;
        view = std::make_unique<PopoverContentView>(model(), content);
        view->show();
        settle();
    }

    void settle()
    {
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    // The visible button whose text or accessible name is `name`.
    QAbstractButton* button(const QString& name) const
    {
        for (QAbstractButton* candidate : view->findChildren<QAbstractButton*>()) {
            if ((candidate->text() == name || candidate->accessibleName() == name)
                && candidate->isVisibleTo(view.get()))
                return candidate;
        }
        return nullptr;
    }
    bool shows(const QString& name) const { return button(name) != nullptr; }

    template <typename T = QWidget>
    T* named(const QString& objectName) const
    {
        T* found = view->findChild<T*>(objectName);
        EXPECT_NE(found, nullptr) << objectName.toStdString();
        return found;
    }

    // A left click in the middle of the control, as the pointer makes it.
    void click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
        settle();
    }
    void click(const QString& name)
    {
        QAbstractButton* found = button(name);
        ASSERT_NE(found, nullptr) << name.toStdString();
        click(found);
    }

    // A click on the segment under `point` of a segmented control.
    void clickAt(QWidget* control, QPoint point)
    {
        QWidget* target = control->childAt(point);
        if (!target)
            target = control;
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(control, point));
        settle();
    }

    QImage grab() { return view->grab().toImage(); }
};
