#pragma once

#include "Kelvane/status/CustomDurationPrompt.h"

#include <QDialog>

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

// Asks through a CustomDurationDialog.
class CustomDurationDialogPrompt final : public CustomDurationPrompt {
public:
    std::optional<QString> ask(int currentMinutes) override;
};
