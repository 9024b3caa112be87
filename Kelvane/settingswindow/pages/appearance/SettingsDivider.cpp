// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/appearance/SettingsDivider.h"

#include "shared-ui/controls/SettingsTheme.h"

#include <QPainter>

SettingsDivider::SettingsDivider(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SettingsDivider::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), SettingsTheme::rowDivider(palette()));
}
