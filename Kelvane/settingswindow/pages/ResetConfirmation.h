#pragma once

class QWidget;

// Asks whether to reset every setting; true for "Reset".
bool confirmResetAllSettings(QWidget* parent);
