// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SettingsTheme.h"

#include "shared-ui/controls/Appearance.h"
#include "shared-ui/controls/ControlPainting.h"

namespace {

bool isDark(const QPalette& palette)
{
    return appearanceOf(palette) == Appearance::Dark;
}

QColor withAlpha(Qt::GlobalColor color, double alpha)
{
    QColor result(color);
    result.setAlphaF(static_cast<float>(alpha));
    return result;
}

QColor grey(int level)
{
    return QColor(level, level, level);
}

} // namespace

namespace SettingsTheme {

QColor groupBackground(const QPalette& palette)
{
    return isDark(palette) ? grey(36) : palette.color(QPalette::Window);
}

QColor cardBackground(const QPalette& palette)
{
    return isDark(palette) ? QColor(42, 42, 44) : palette.color(QPalette::Base);
}

QColor cardStroke(const QPalette& palette)
{
    return isDark(palette) ? withAlpha(Qt::white, 0.07) : withAlpha(Qt::black, 0.08);
}

QColor rowDivider(const QPalette& palette)
{
    return isDark(palette) ? withAlpha(Qt::white, 0.05) : withAlpha(Qt::black, 0.06);
}

QColor sectionHeaderText(const QPalette& palette)
{
    if (isDark(palette))
        return QColor::fromRgbF(0.4f, 0.4f, 0.4f);
    return secondaryLabelColor(palette);
}

QColor previewCardBackground()
{
    return QColor::fromRgbF(0.067f, 0.067f, 0.067f);
}

} // namespace SettingsTheme
