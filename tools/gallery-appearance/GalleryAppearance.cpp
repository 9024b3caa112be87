// SPDX-License-Identifier: GPL-3.0-or-later
// gallery-appearance [output directory]
//
// Draws the Appearance page for each display type and the colour-scheme
// picker in its modes offscreen, and writes one PNG per sample and
// appearance, at twice the logical size.
#include "tools/gallery-settings/GallerySupport.h"

#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pages/AppearancePage.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"

#include "PlatformKit/core/RawValueEnum.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace gallery;

namespace {

// A fresh set of stores in memory for one sample.
struct Stores {
    std::unique_ptr<platform::UserDefaults> defaults = platform::UserDefaults::inMemory();
    ColorManager colors{*defaults};
    CompletionSettings completion{*defaults};
    AppSettings settings{*defaults, &completion, &colors};
};

bool pageSample(DisplayType type, const QString& path)
{
    Stores stores;
    stores.settings.setDisplayType(type);
    // One sample with the scale dimmed.
    if (type == DisplayType::FlipClock)
        stores.settings.setMenuBarDisplayMode(MenuBarDisplayMode::Compact);
    stores.colors.selectDigitPreset(u"amber"_s);
    stores.colors.selectBackgroundPreset(u"dark"_s);
    AppearancePage page(stores.settings, stores.colors);
    page.setAutoFillBackground(true);
    // The settings window's width, and tall enough to show the whole column.
    const int pinned = page.layout()->itemAt(0)->widget()->sizeHint().height() + 1;
    page.resize(680, pinned + page.scrollArea()->widget()->sizeHint().height());
    return writePng(page, path);
}

bool pickerSample(const std::function<void(ColorManager&)>& choose, const QString& path)
{
    Stores stores;
    choose(stores.colors);
    QWidget frame;
    frame.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(new ColorSchemePicker(stores.colors));
    frame.setFixedWidth(420);
    frame.adjustSize();
    return writePng(frame, path);
}

QString fileName(DisplayType type)
{
    return platform::rawValue(type);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString directory = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"gallery-appearance"_s;
    QDir().mkpath(directory);

    const std::pair<QString, std::function<void(ColorManager&)>> pickers[] = {
        {u"picker-solid"_s,
         [](ColorManager& colors) {
             colors.addCustomDigitSwatch(QColor(255, 90, 40));
             colors.addCustomDigitSwatch(QColor(120, 200, 255));
             colors.selectDigitPreset(u"vfdCyan"_s);
             colors.selectBackgroundPreset(u"dark"_s);
         }},
        {u"picker-solid-warning"_s,
         [](ColorManager& colors) {
             colors.selectDigitPreset(u"dark"_s);
             colors.selectBackgroundPreset(u"light"_s);
         }},
        {u"picker-custom-warning"_s,
         [](ColorManager& colors) {
             colors.addCustomDigitSwatch(QColor(90, 90, 90));
             colors.addCustomBackgroundSwatch(QColor(70, 70, 70));
         }},
        {u"picker-multicolor"_s,
         [](ColorManager& colors) {
             colors.selectMulticolorDigits();
             colors.setSelectedPaletteID(u"neon"_s);
             colors.selectBackgroundPreset(u"dark"_s);
         }},
    };

    bool ok = true;
    for (const auto& [appearance, palette] :
         {std::pair{u"light"_s, lightPalette()}, std::pair{u"dark"_s, darkPalette()}}) {
        applyPalette(palette);
        for (DisplayType type : platform::allCases<DisplayType>())
            ok &= pageSample(type, u"%1/page-%2-%3.png"_s.arg(directory, fileName(type), appearance));
        for (const auto& [name, choose] : pickers)
            ok &= pickerSample(choose, u"%1/%2-%3.png"_s.arg(directory, name, appearance));
    }
    return ok ? 0 : 1;
}
