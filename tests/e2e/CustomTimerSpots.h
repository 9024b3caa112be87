// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the controls of the custom-timer editor and the popover's custom-timer
// parts lie, relative to their window's top-left corner: laid out here the
// way the program lays them out.

// PopoverSpots.h uses the waits without including them.
#include "support/WaitUntil.h"

#include "PopoverSpots.h"

#include "Kelvane/popover/CustomTimerEditorDialog.h"
#include "Kelvane/popover/CustomTimerRow.h"
#include "Kelvane/popover/PopoverRules.h"

#include "shared-ui/controls/WholeNumberField.h"
#include "shared-ui/editor/PhaseListView.h"
#include "shared-ui/editor/PhaseRowView.h"

#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/CustomTimerStore.h"

#include <QLineEdit>

// A control's area in its window.
inline QRect areaIn(const QWidget& window, const QWidget* control)
{
    return control ? QRect(control->mapTo(&window, QPoint(0, 0)), control->size()) : QRect();
}

struct EditorSpots {
    QSize window;
    QRect name;
    QList<QRect> phaseMinutes;
    QRect rounds;
    QRect save;
};

// The editor as the popover's "+" opens it, for a new timer.
inline EditorSpots spotsOfANewTimerEditor()
{
    const auto defaults = platform::UserDefaults::inMemory();
    CustomTimerStore store(*defaults);
    CustomTimerEditorDialog dialog(PopoverRules::newCustomTimer(platform::Date::now()), store);
    dialog.show();
    QCoreApplication::processEvents();
    EditorSpots spots;
    spots.window = dialog.size();
    spots.name = areaIn(dialog, dialog.findChild<QLineEdit*>(QStringLiteral("customTimerEditor.name")));
    if (const auto* list = dialog.findChild<PhaseListView*>(QStringLiteral("customTimerEditor.phases"))) {
        for (const PhaseRowView* row : list->rows())
            spots.phaseMinutes.append(areaIn(dialog, row->minutesField()));
    }
    spots.rounds = areaIn(dialog, dialog.findChild<WholeNumberField*>(QStringLiteral("customTimerEditor.rounds")));
    spots.save = areaIn(dialog, dialog.findChild<QWidget*>(QStringLiteral("customTimerEditor.save")));
    return spots;
}

struct CustomTimerPopoverSpots {
    QRect addTimer;
    QRect row; // of the timer asked for
    QRect stop; // the stop bar's button, while a custom timer runs
};

// The popover over a store holding `storedTimers` (the stored data as the
// program wrote it), with the timer `name` started from it when `started`.
inline CustomTimerPopoverSpots customTimerSpotsOfAPopover(const QByteArray& storedTimers, const QString& name,
                                                          bool started)
{
    ControllerRig rig([&](platform::UserDefaults& defaults) {
        defaults.setData(SharedDefaultsKeys::customTimers.name, storedTimers);
    });
    if (started) {
        for (const CustomTimer& timer : rig.model().customTimers().timers()) {
            if (timer.name == name)
                rig.commands().startCustomTimer(timer);
        }
    }
    PopoverContent content;
    content.onOpenSettings = [] {};
    content.onToggleFloatingDisplay = [] {};
    content.onQuit = [] {};
    PopoverContentView view(PopoverModel::of(rig.model(), rig.commands()), content);
    view.show();
    QCoreApplication::processEvents();
    CustomTimerPopoverSpots spots;
    for (auto* button : view.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&view))
            continue;
        if (button->accessibleName() == QStringLiteral("Add custom timer"))
            spots.addTimer = areaIn(view, button);
        else if (button->text() == QStringLiteral("Stop Custom Timer"))
            spots.stop = areaIn(view, button);
    }
    for (auto* row : view.findChildren<CustomTimerRow*>()) {
        if (row->isVisibleTo(&view) && row->timer().name == name)
            spots.row = areaIn(view, row);
    }
    return spots;
}
