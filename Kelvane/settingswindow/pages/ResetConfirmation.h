// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Asks whether to reset every setting; true for "Reset".
bool confirmResetAllSettings(QWidget* parent);
