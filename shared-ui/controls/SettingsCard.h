// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QVBoxLayout;

// A rounded card that groups settings rows, stacked top to bottom with no gaps.
class SettingsCard : public QWidget {
    Q_OBJECT

public:
    explicit SettingsCard(QWidget* parent = nullptr);

    // Adds `content` below what the card holds; the card takes it over.
    void addContent(QWidget* content);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVBoxLayout* m_stack;
};
