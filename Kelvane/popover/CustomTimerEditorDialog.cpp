// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/CustomTimerEditorDialog.h"

#include "shared-ui/editor/CustomTimerEditorView.h"

#include "TimerCoreKit/sessions/CustomTimerStore.h"

#include <QPointer>
#include <QVBoxLayout>

void saveEditedTimer(CustomTimerStore& store, const CustomTimer& timer)
{
    if (store.timer(timer.id))
        store.update(timer);
    else
        store.add(timer);
}

CustomTimerEditorDialog::CustomTimerEditorDialog(const CustomTimer& timer, CustomTimerStore& store, QWidget* parent)
    : QDialog(parent)
    , m_editor(nullptr)
{
    setModal(true);
    setWindowTitle(timer.name.isEmpty() ? QStringLiteral("Kelvane") : timer.name);
    QPointer<CustomTimerEditorDialog> self(this);
    m_editor = new CustomTimerEditorView(
        timer,
        [self, &store](const CustomTimer& edited) {
            saveEditedTimer(store, edited);
            if (self)
                self->accept();
        },
        [self] {
            if (self)
                self->reject();
        },
        this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
}
