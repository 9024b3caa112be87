// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

#include <functional>

class QPalette;

// A one-line plain-text label drawn in a colour worked out from its palette at
// every paint, so it follows the application palette without keeping a
// palette of its own.
class TintedLabel : public QLabel {
    Q_OBJECT

public:
    using Tint = std::function<QColor(const QPalette&)>;

    TintedLabel(const QString& text, Tint tint, QWidget* parent = nullptr);

    void setTint(Tint tint);
    QColor textColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Tint m_tint;
};
