// kelvane-gallery-tray <outdir>: draws the tray item as the tray shows it, at
// 22 and 44 pixels, for every look and timer state, and as the strip.
#include "GalleryMain.h"
#include "TrayScenes.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-tray", &traySheets);
}
