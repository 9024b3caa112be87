// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// The last cell of a swatch grid: a dashed square with a plus that opens the
// colour dialog for a new swatch.
class ColorAddSwatchTile : public QAbstractButton {
    Q_OBJECT

public:
    ColorAddSwatchTile(const QString& accessibleLabel, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
