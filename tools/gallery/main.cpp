// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery <outdir>: draws the dot-matrix display in every look worth
// checking by eye and writes one PNG contact sheet per theme into <outdir>.
#include "GalleryMain.h"
#include "GalleryScenes.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery", &gallerySheets);
}
