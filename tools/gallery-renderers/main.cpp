// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-renderers <outdir>: draws every display look at every size
// class and style worth checking by eye, one PNG contact sheet per subject.
#include "GalleryMain.h"
#include "RendererScenes.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-renderers", &rendererSheets);
}
