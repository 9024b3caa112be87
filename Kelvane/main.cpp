#include "Kelvane/app/CompositionRoot.h"

#include "shared-ui/accessibility/AccessibleApplication.h"

#include <QApplication>

int main(int argc, char** argv)
{
    installAccessibleApplication();
    QApplication app(argc, argv);
    return CompositionRoot(app).run();
}
