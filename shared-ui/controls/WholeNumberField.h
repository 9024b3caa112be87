// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A small borderless field for a whole number, written and read in the user's
// locale. It reports a number only when the user typed one and committed it
// (Return or leaving the field): showing a value never writes it back, so a
// stored value outside the editor's range survives until the user edits it.
// Text that is not a number is dropped and the shown value comes back.
class WholeNumberField : public QLineEdit {
    Q_OBJECT

public:
    explicit WholeNumberField(QWidget* parent = nullptr);

    // Shows `value`, unless the user is in the middle of typing here.
    void showValue(qint64 value);

signals:
    void valueTyped(qint64 value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void commit();
    void fitWidth();

    qint64 m_shown = 0;
};
