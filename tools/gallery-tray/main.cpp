// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-tray <outdir>: draws the tray item as the tray shows it, at
// the panel sizes from 16 to 48 pixels on a light and a dark panel, for every
// look and timer state, and as the strip.
#include "GalleryMain.h"
#include "TrayScenes.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-tray", &traySheets);
}
