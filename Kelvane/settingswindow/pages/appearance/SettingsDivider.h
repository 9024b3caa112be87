// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A one-pixel line across its width in the settings' row-divider colour.
class SettingsDivider : public QWidget {
    Q_OBJECT

public:
    explicit SettingsDivider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
