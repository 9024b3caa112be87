// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A plain text stand-in where a dot-matrix display cannot be drawn: bold
// monospaced text at 12 points in the ordinary text colour.
class DotMatrixPlaceholderView : public QLabel {
    Q_OBJECT

public:
    explicit DotMatrixPlaceholderView(const QString& text, QWidget* parent = nullptr);
};
