// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The framed panel in which the settings show the live display: a "Live
// Preview" header over a dark, vignetted box of fixed height with the content
// centred in it.
class LivePreviewPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int previewHeight = 128;

    // The panel takes over `content`.
    explicit LivePreviewPanel(QWidget* content, QWidget* parent = nullptr);

    QWidget* content() const { return m_content; }
    // The dark box the content sits in.
    QWidget* previewBox() const { return m_box; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_content;
    QWidget* m_box;
};
