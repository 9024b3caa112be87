// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/Appearance.h"

Appearance appearanceOf(const QPalette& palette)
{
    const auto window = palette.color(QPalette::Active, QPalette::Window).lightnessF();
    const auto text = palette.color(QPalette::Active, QPalette::WindowText).lightnessF();
    return window < text ? Appearance::Dark : Appearance::Light;
}
