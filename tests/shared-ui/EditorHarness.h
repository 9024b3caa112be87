// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An editor on screen (offscreen) with its parts at hand, recording what it
// hands back.

#include "shared-ui/controls/BezellessStepperButton.h"
#include "shared-ui/controls/WholeNumberField.h"
#include "shared-ui/editor/AddPhaseButton.h"
#include "shared-ui/editor/CustomTimerDraft.h"
#include "shared-ui/editor/CustomTimerEditorView.h"
#include "shared-ui/editor/PhaseListView.h"
#include "shared-ui/editor/PhaseRowView.h"

#include "TimerFixtures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class EditorHarness {
public:
    explicit EditorHarness(CustomTimer timer)
        : editor(std::make_unique<CustomTimerEditorView>(
            std::move(timer), [this](const CustomTimer& timerSaved) { saved.append(timerSaved); },
            [this] { ++cancels; }))
    {
        editor->resize(540, editor->sizeHint().height());
        editor->show();
        editor->activateWindow();
        (void)QTest::qWaitForWindowActive(editor.get());
    }

    const CustomTimer& draft() const { return editor->draft().timer(); }
    PhaseListView* list() const { return editor->findChild<PhaseListView*>(); }
    PhaseRowView* row(qsizetype index) const { return list()->rows().at(index); }

    template <typename W>
    W* part(const char* name) const
    {
        return editor->findChild<W*>(QString::fromLatin1("customTimerEditor.") + QString::fromLatin1(name));
    }
    QLineEdit* nameField() const { return part<QLineEdit>("name"); }
    QPushButton* saveButton() const { return part<QPushButton>("save"); }
    QPushButton* cancelButton() const { return part<QPushButton>("cancel"); }
    AddPhaseButton* addButton() const { return part<AddPhaseButton>("addPhase"); }
    WholeNumberField* roundsField() const { return part<WholeNumberField>("rounds"); }
    BezellessStepperButton* decreaseRounds() const { return part<BezellessStepperButton>("decreaseRounds"); }
    BezellessStepperButton* increaseRounds() const { return part<BezellessStepperButton>("increaseRounds"); }

    // Replaces a field's text as a user would, and commits it with Return.
    static void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    QList<CustomTimer> saved;
    int cancels = 0;
    std::unique_ptr<CustomTimerEditorView> editor;
};
