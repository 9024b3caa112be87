// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QDialog>

class CustomTimerStore;
class CustomTimerEditorView;

// Saves an edited timer: in place of the stored timer with its id, or added
// at the end when the store has none.
void saveEditedTimer(CustomTimerStore& store, const CustomTimer& timer);

// The custom-timer editor in a modal dialog of its own. Save stores the timer
// and closes it; cancelling closes it and stores nothing.
class CustomTimerEditorDialog : public QDialog {
    Q_OBJECT

public:
    CustomTimerEditorDialog(const CustomTimer& timer, CustomTimerStore& store, QWidget* parent = nullptr);

    CustomTimerEditorView* editor() const { return m_editor; }

private:
    CustomTimerEditorView* m_editor;
};
