// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/CustomDurationPrompt.h"

#include <QDialog>
#include <QPointer>

class QLineEdit;

// "Custom Duration": a modal dialog with one minutes field, OK and Cancel.
class CustomDurationDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CustomDurationDialog(int currentMinutes, QWidget* parent = nullptr);

    QString text() const;
    QLineEdit& field() { return *m_field; }

private:
    QLineEdit* m_field;
};

// Asks through a CustomDurationDialog, one at a time: the dialog is modal to
// the program's windows but leaves the event loop running.
class CustomDurationDialogPrompt final : public CustomDurationPrompt {
public:
    ~CustomDurationDialogPrompt() override;
    void ask(int currentMinutes, Answer answer) override;
    bool isOpen() const override { return m_dialog && m_dialog->isVisible(); }
    void raise() override;

private:
    QPointer<CustomDurationDialog> m_dialog;
};
