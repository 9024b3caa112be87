// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/CustomDurationDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CustomDurationDialog::CustomDurationDialog(int currentMinutes, QWidget* parent)
    : QDialog(parent)
    , m_field(new QLineEdit(QString::number(currentMinutes), this))
{
    setWindowTitle(QStringLiteral("Custom Duration"));
    setModal(true);

    auto* message = new QLabel(QStringLiteral("Custom Duration"), this);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    auto* information = new QLabel(QStringLiteral("Enter duration in minutes (1-180):"), this);
    m_field->setFixedSize(100, 24);
    m_field->setAccessibleName(QStringLiteral("Minutes"));

    // OK first, as the first answer of the dialog.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(information);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    m_field->selectAll();
    m_field->setFocus();
}

QString CustomDurationDialog::text() const
{
    return m_field->text();
}

CustomDurationDialogPrompt::~CustomDurationDialogPrompt()
{
    delete m_dialog;
}

void CustomDurationDialogPrompt::ask(int currentMinutes, Answer answer)
{
    if (isOpen()) {
        raise();
        return;
    }
    m_dialog = new CustomDurationDialog(currentMinutes);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(m_dialog, &QDialog::finished, m_dialog, [dialog = m_dialog.data(), answer](int result) {
        answer(result == QDialog::Accepted ? std::optional<QString>(dialog->text()) : std::nullopt);
    });
    m_dialog->open();
    raise();
}

void CustomDurationDialogPrompt::raise()
{
    if (!m_dialog)
        return;
    m_dialog->raise();
    m_dialog->activateWindow();
}
