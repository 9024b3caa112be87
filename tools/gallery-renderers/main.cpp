// kelvane-gallery-renderers <outdir>: draws every display look at every size
// class and style worth checking by eye, one PNG contact sheet per subject.
#include "RendererScenes.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvane-gallery-renderers <outdir>\n");
        return EXIT_FAILURE;
    }
    // Nothing here needs a screen; draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "kelvane-gallery-renderers: cannot create %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    int failures = 0;
    for (const auto& [fileName, sheet] : rendererSheets()) {
        const QString path = outDir.filePath(fileName);
        if (sheet.render().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "kelvane-gallery-renderers: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
