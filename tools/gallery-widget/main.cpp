// kelvane-gallery-widget <outdir>: draws the desktop widget's dot-matrix view,
// plain and tinted, with and without its phase row, as PNG sheets in <outdir>.
#include "GalleryMain.h"
#include "WidgetGalleryScenes.h"

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-widget", &widgetGallerySheets);
}
