// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The "3/12" capsule in the phases header; orange as the list nears its limit.
class PhaseCountBadge : public QWidget {
    Q_OBJECT

public:
    explicit PhaseCountBadge(QWidget* parent = nullptr);

    void setPhaseCount(qsizetype count);
    QString text() const { return m_text; }
    bool warns() const { return m_warns; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont badgeFont() const;

    QString m_text;
    bool m_warns = false;
};
