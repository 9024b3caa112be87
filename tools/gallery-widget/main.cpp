// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-gallery-widget <outdir>: draws the desktop widget's dot-matrix view,
// plain and tinted, with and without its phase row, and the whole widget in
// both families, as PNG sheets in <outdir>.
#include "GalleryMain.h"
#include "TimerWidgetGalleryScenes.h"
#include "WidgetGalleryScenes.h"

namespace {

std::vector<NamedSheet> allSheets()
{
    std::vector<NamedSheet> sheets = widgetGallerySheets();
    for (NamedSheet& sheet : timerWidgetGallerySheets())
        sheets.push_back(std::move(sheet));
    return sheets;
}

} // namespace

int main(int argc, char** argv)
{
    return runGallery(argc, argv, "kelvane-gallery-widget", &allSheets);
}
