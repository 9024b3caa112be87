#include "widget-extension/host/WidgetCompositionRoot.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return WidgetCompositionRoot(app).run();
}
