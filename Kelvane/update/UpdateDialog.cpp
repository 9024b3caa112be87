// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

UpdateDialog::UpdateDialog(QWidget* parent)
    : QDialog(parent)
    , m_message(new QLabel(this))
    , m_notes(new QLabel(this))
{
    setWindowTitle(tr("Software Update"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_notes->setTextFormat(Qt::RichText);
    m_notes->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_notes, &QLabel::linkActivated, this, [this] { openReleaseNotes(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_download, &QPushButton::clicked, this, [this] {
        if (m_onOpenLink && !m_text.download.isEmpty())
            m_onOpenLink(m_text.download);
        if (m_onDownload)
            m_onDownload();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_notes);
    layout->addWidget(buttons);
    setText(m_text);
}

void UpdateDialog::setText(const UpdateDialogText& text)
{
    m_text = text;
    m_message->setText(text.message);
    const QString href = text.releaseNotes.toString(QUrl::FullyEncoded).toHtmlEscaped();
    m_notes->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(href, tr("Release Notes")));
    m_notes->setVisible(!text.releaseNotes.isEmpty());
    m_download->setVisible(!text.download.isEmpty());
    if (!text.download.isEmpty())
        m_download->setDefault(true);
}

QString UpdateDialog::message() const
{
    return m_message->text();
}

bool UpdateDialog::showsReleaseNotes() const
{
    return !m_notes->isHidden();
}

void UpdateDialog::openReleaseNotes()
{
    if (m_onOpenLink && !m_text.releaseNotes.isEmpty())
        m_onOpenLink(m_text.releaseNotes);
}
