// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Makes Tab go through the controls inside `root` in the order they stand
// in the widget tree, which is the order a page lays them out. Qt's own
// order is that of their arrival in the window, so parts built or rebuilt
// later would come last whatever their place.
void followTreeOrderWithTab(QWidget* root);
