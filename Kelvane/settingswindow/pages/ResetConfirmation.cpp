// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/ResetConfirmation.h"

#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

bool confirmResetAllSettings(QWidget* parent)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(u"Reset All Settings?"_s);
    box.setText(u"Reset All Settings?"_s);
    box.setInformativeText(u"This will reset all settings to their defaults. This cannot be undone."_s);
    QPushButton* reset = box.addButton(u"Reset"_s, QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(u"Cancel"_s, QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == reset;
}
