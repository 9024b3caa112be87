// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetCompositionRoot.h"

#include "shared-ui/identity/ProgramIcon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Every widget's window: desktops that do not find it by the desktop
    // file show a generic icon otherwise.
    QApplication::setWindowIcon(ProgramIcon::icon());
    return WidgetCompositionRoot(app).run();
}
