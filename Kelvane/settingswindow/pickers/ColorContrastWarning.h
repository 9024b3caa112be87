// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The line under the colour preview that warns of digits hard to read on
// their background: a warning triangle and a short text, read as one.
class ColorContrastWarning : public QWidget {
    Q_OBJECT

public:
    static const QString text;

    explicit ColorContrastWarning(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont captionFont() const;
};
