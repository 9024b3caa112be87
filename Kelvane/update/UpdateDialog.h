// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/UpdateDialogText.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// The small window of a manual check: one message, the release notes link
// and a Download button when there is something to download. Links are
// handed to the owner, which opens them.
class UpdateDialog final : public QDialog {
    Q_OBJECT

public:
    explicit UpdateDialog(QWidget* parent = nullptr);

    void setText(const UpdateDialogText& text);
    void setOnOpenLink(std::function<void(const QUrl&)> onOpenLink) { m_onOpenLink = std::move(onOpenLink); }
    // Runs after the download page was handed on, as the dialog closes.
    void setOnDownload(std::function<void()> onDownload) { m_onDownload = std::move(onDownload); }

    const UpdateDialogText& text() const { return m_text; }
    QString message() const;
    bool showsReleaseNotes() const;
    QPushButton* downloadButton() const { return m_download; }
    // As a click on the link.
    void openReleaseNotes();

private:
    UpdateDialogText m_text;
    QLabel* m_message = nullptr;
    QLabel* m_notes = nullptr;
    QPushButton* m_download = nullptr;
    std::function<void(const QUrl&)> m_onOpenLink;
    std::function<void()> m_onDownload;
};
