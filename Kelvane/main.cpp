// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/CompositionRoot.h"

#include "shared-ui/accessibility/AccessibleApplication.h"
#include "shared-ui/identity/ProgramIcon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    installAccessibleApplication();
    QApplication app(argc, argv);
    // Every window's title bar and task: desktops that do not find it by the
    // desktop file show a generic icon otherwise.
    QApplication::setWindowIcon(ProgramIcon::icon());
    return CompositionRoot(app).run();
}
