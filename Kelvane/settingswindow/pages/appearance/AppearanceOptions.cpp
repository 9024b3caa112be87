// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/appearance/AppearanceOptions.h"

#include "shared-ui/accessibility/AccessibilityIdentifiers.h"

using namespace Qt::Literals::StringLiterals;

namespace AppearanceOptions {

QString label(MenuBarDisplayMode mode)
{
    switch (mode) {
    case MenuBarDisplayMode::Full:
        return u"Full Display"_s;
    case MenuBarDisplayMode::Compact:
        return u"Compact"_s;
    case MenuBarDisplayMode::IconOnly:
        return u"Icon Only"_s;
    }
    return {};
}

QString label(TimeFormat format)
{
    return format == TimeFormat::Minimal ? u"Total Minutes"_s : u"Standard (HH:MM)"_s;
}

QList<DisplayScale> menuBarScales()
{
    return {DisplayScale::Compact, DisplayScale::Regular};
}

QString colonSubtitle(ColonMode mode)
{
    switch (mode) {
    case ColonMode::Always:
        return u"Colon is always visible"_s;
    case ColonMode::Pulsing:
        return u"Colon pulses between visible and dim"_s;
    case ColonMode::Contextual:
        return u"Colon only visible when minutes > 0"_s;
    }
    return {};
}

QList<StyleRow> styleRows(DisplayType type, ColonMode colonMode)
{
    namespace Ids = AccessibilityIdentifiers::Settings;
    const QList<DisplayStyleOption> options = supportedStyleOptions(type);
    QList<StyleRow> rows;
    for (qsizetype i = 0; i < options.size(); ++i) {
        const bool divider = i + 1 < options.size();
        switch (options[i]) {
        case DisplayStyleOption::DotWeight:
            rows.append({options[i], u"Dot Weight"_s, std::nullopt, Ids::dotWeightPicker, divider});
            break;
        case DisplayStyleOption::DotShape:
            rows.append({options[i], u"Dot Shape"_s, std::nullopt, Ids::dotShapePicker, divider});
            break;
        case DisplayStyleOption::ShowDimmedOffCells:
            rows.append({options[i], u"Unlit Dots"_s, u"Render unlit cells at low opacity"_s, {}, divider});
            break;
        case DisplayStyleOption::ColonMode:
            rows.append({options[i], u"Colon"_s, colonSubtitle(colonMode), Ids::colonModePicker, divider});
            break;
        case DisplayStyleOption::SegmentThickness:
            rows.append({options[i], u"Thickness"_s, std::nullopt, {}, divider});
            break;
        case DisplayStyleOption::FlipSpeed:
            rows.append({options[i], u"Flip Speed"_s, std::nullopt, {}, divider});
            break;
        }
    }
    return rows;
}

bool showsTimeSection(DisplayType type)
{
    return supportsTimeFormatChoice(type);
}

bool isScaleEnabled(MenuBarDisplayMode mode)
{
    return mode == MenuBarDisplayMode::Full;
}

qreal scaleOpacity(MenuBarDisplayMode mode)
{
    return isScaleEnabled(mode) ? 1.0 : 0.4;
}

} // namespace AppearanceOptions
