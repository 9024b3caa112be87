// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/views/WidgetFamily.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// One widget on the desktop: its size, the preset its small form starts, and
// where its top left corner is (global logical pixels).
struct PlacedWidget {
    WidgetFamily family = WidgetFamily::Small;
    QString presetID;
    QPoint position;

    friend bool operator==(const PlacedWidget&, const PlacedWidget&) = default;
};

// The widget program's own configuration: the widgets it shows. Kept as JSON
// in a file of its own, never in the shared store.
namespace WidgetPlacement {

inline constexpr int screenMargin = 24;

QByteArray encode(const std::vector<PlacedWidget>& widgets);
// Entries that do not decode are skipped; data that is not a list is none.
std::vector<PlacedWidget> decode(const QByteArray& json);

// The first widget: small, at the top right of the screen's free area.
PlacedWidget firstWidget(const QRect& availableGeometry);
// A new widget beside the others: below the last one, or at the top of the
// next column when it would leave the screen.
PlacedWidget nextWidget(const std::vector<PlacedWidget>& widgets, const QRect& availableGeometry);

// `widget` moved back by as much as it sticks out past the free area's right
// or bottom edge, to the screen margin there: a small widget at the right
// edge grown to the medium size would otherwise leave its buttons off-screen.
PlacedWidget keptInside(PlacedWidget widget, const QRect& availableGeometry);

// `$XDG_CONFIG_HOME/kelvane-widget/widgets.json`.
QString configurationPath();
std::vector<PlacedWidget> load(const QString& path);
// Whether the file was written.
bool save(const QString& path, const std::vector<PlacedWidget>& widgets);

} // namespace WidgetPlacement
