#include "Kelvane/app/CompositionRoot.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return CompositionRoot(app).run();
}
