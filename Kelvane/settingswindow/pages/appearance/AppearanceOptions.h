// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settings/MenuBarDisplayMode.h"

#include "shared-ui/looks/DisplayScale.h"

#include "DotMatrixKit/DotOptions.h"
#include "DotMatrixKit/TimeFormat.h"
#include "TimerCoreKit/options/DisplayOptions.h"

#include <QList>
#include <QString>

#include <optional>

// What the Appearance page shows for each setting: the options offered with
// their labels, the style rows of each look, and which sections and
// controls apply. Pure, so the rules read as tables in the tests.
namespace AppearanceOptions {

QString label(MenuBarDisplayMode mode);
QString label(TimeFormat format);

// The tray sizes only: the floating size belongs to the floating panel.
QList<DisplayScale> menuBarScales();

// One row of the "Display Style" card.
struct StyleRow {
    DisplayStyleOption option;
    QString title;
    std::optional<QString> subtitle;
    QString identifier; // empty: none
    bool showsDivider;

    friend bool operator==(const StyleRow&, const StyleRow&) = default;
};

// The look's style rows in its order, a divider under all but the last; the
// colon row's subtitle tells what the current colon mode does.
QList<StyleRow> styleRows(DisplayType type, ColonMode colonMode);
QString colonSubtitle(ColonMode mode);

// Big & Small shows hours and minutes its own way: no time format to choose.
bool showsTimeSection(DisplayType type);
// The scale applies to the full display only.
bool isScaleEnabled(MenuBarDisplayMode mode);
qreal scaleOpacity(MenuBarDisplayMode mode);

} // namespace AppearanceOptions
