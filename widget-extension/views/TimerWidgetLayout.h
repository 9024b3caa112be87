// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/intents/WidgetIntents.h"
#include "widget-extension/provider/TimerWidgetEntry.h"
#include "widget-extension/views/WidgetFamily.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QUrl>

#include <optional>
#include <variant>
#include <vector>

// What a click on the widget does: run an intent, or open a link in the app.
using WidgetAction = std::variant<WidgetIntent, QUrl>;

// One control of the medium widget's quick column.
struct WidgetControl {
    enum class Kind { PresetButton, SettingsLink, CustomLink };
    Kind kind = Kind::PresetButton;
    QRectF rect;
    QString label; // preset buttons and the custom link
    bool selected = false;
    WidgetAction action;
};

// Where everything of one widget goes, in logical pixels from its top left.
struct TimerWidgetLayout {
    WidgetFamily family = WidgetFamily::Small;
    QSizeF size;
    QRectF timeArea;
    WidgetIntent timeAreaIntent;
    std::vector<WidgetControl> quickColumn; // empty in the small family and for a count-up
};

namespace TimerWidgetGeometry {
inline constexpr qreal padding = 16;
inline constexpr qreal columnSpacing = 12;
inline constexpr qreal quickColumnWidth = 108;
inline constexpr qreal quickSpacing = 8;
// Rows shrink below this when three of them do not fit the widget's height.
inline constexpr qreal quickRowHeight = 44;
inline constexpr qreal controlCornerRadius = 6;
inline constexpr qreal outlineCornerRadius = 4;
} // namespace TimerWidgetGeometry

// Clicks outside every control open the app here.
inline const QUrl widgetURL{QStringLiteral("kelvane://open")};
inline const QUrl settingsURL{QStringLiteral("kelvane://settings")};
inline const QUrl customURL{QStringLiteral("kelvane://custom")};

TimerWidgetLayout layoutTimerWidget(const TimerWidgetEntry& entry, WidgetFamily family);
// What a click at `point` does.
WidgetAction actionAt(const TimerWidgetLayout& layout, QPointF point);
