#pragma once

#include "GallerySheet.h"

#include <QString>

#include <vector>

// Every look of the dot-matrix kit worth checking by eye, one sheet per theme.
std::vector<NamedSheet> gallerySheets();
