// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryMain.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int runGallery(int argc, char** argv, const char* program, std::vector<NamedSheet> (*sheets)())
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", program);
        return EXIT_FAILURE;
    }
    // Nothing here needs a screen; draw offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "%s: cannot create %s\n", program, argv[1]);
        return EXIT_FAILURE;
    }
    int failures = 0;
    for (const auto& [fileName, sheet] : sheets()) {
        const QString path = outDir.filePath(fileName);
        if (sheet.render().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "%s: cannot write %s\n", program, qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
