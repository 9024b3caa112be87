#pragma once

#include "GallerySheet.h"

#include <QString>

#include <vector>

struct NamedRendererSheet {
    QString fileName;
    GallerySheet sheet;
};

// The display looks worth checking by eye: sizes, styles, colours, and the
// flip clock's cards mid-fold.
std::vector<NamedRendererSheet> rendererSheets();
