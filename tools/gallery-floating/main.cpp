// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-floating <outdir>: draws the floating panel's card in every
// look, idle, running with a Pomodoro strip, paused, and with the pointer on it.
#include "FloatingScenes.h"
#include "GalleryMain.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-floating", &floatingSheets);
}
