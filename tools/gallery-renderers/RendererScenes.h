#pragma once

#include "GallerySheet.h"

#include <QString>

#include <vector>

// The display looks worth checking by eye: sizes, styles, colours, and the
// flip clock's cards mid-fold.
std::vector<NamedSheet> rendererSheets();
