// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GallerySheet.h"

#include <QString>

#include <vector>

struct NamedSheet {
    QString fileName;
    GallerySheet sheet;
};

// The whole of a gallery program: `<program> <outdir>` writes every sheet
// as a PNG into <outdir> and prints each path. Returns the exit code.
int runGallery(int argc, char** argv, const char* program, std::vector<NamedSheet> (*sheets)());
