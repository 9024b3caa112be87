#pragma once

#include "GallerySheet.h"

#include <QString>

#include <vector>

struct NamedSheet {
    QString fileName;
    GallerySheet sheet;
};

// Every look of the dot-matrix kit worth checking by eye, one sheet per theme.
std::vector<NamedSheet> gallerySheets();
