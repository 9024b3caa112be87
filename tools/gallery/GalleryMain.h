#pragma once

#include "GallerySheet.h"

#include <functional>
#include <vector>

// The whole of a gallery tool's main: `<tool> <outdir>` draws the sheets
// offscreen and writes each as a PNG into <outdir>, printing every path.
int runGallery(int argc, char** argv, const char* toolName, const std::function<std::vector<NamedSheet>()>& sheets);
