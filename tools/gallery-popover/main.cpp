// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-popover <outdir>: draws the popover in its main states, in
// a light and a dark palette, and writes one PNG sheet per appearance.
#include "PopoverScenes.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvane-gallery-popover <outdir>\n");
        return EXIT_FAILURE;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "kelvane-gallery-popover: cannot create %s\n", argv[1]);
        return EXIT_FAILURE;
    }
    int failures = 0;
    for (const auto& [fileName, sheet] : popoverSheets()) {
        const QString path = outDir.filePath(fileName);
        if (sheet.render().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "kelvane-gallery-popover: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
