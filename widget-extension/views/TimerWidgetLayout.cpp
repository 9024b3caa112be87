// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetLayout.h"

#include "widget-extension/views/TimerWidgetLook.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
namespace G = TimerWidgetGeometry;

namespace {

WidgetIntent smallTimeAreaIntent(const TimerWidgetEntry& entry)
{
    if (entry.timerState.mode != TimerMode::Idle)
        return ToggleTimerIntent{};
    const TimerPresetEntity& preset = entry.configuration.selectedPreset;
    if (preset.id == TimerPresetLibrary::Constants::customPresetID)
        return SelectCustomPresetIntent{};
    return SelectPresetIntent{preset};
}

std::vector<WidgetControl> quickColumn(const TimerWidgetEntry& entry, const QRectF& column)
{
    const qreal rowHeight = std::min(G::quickRowHeight, (column.height() - 2 * G::quickSpacing) / 3);
    const qreal top = column.center().y() - (3 * rowHeight + 2 * G::quickSpacing) / 2;
    const qreal cellWidth = (column.width() - G::quickSpacing) / 2;
    const auto cell = [&](int row, int side) {
        return QRectF(column.left() + side * (cellWidth + G::quickSpacing), top + row * (rowHeight + G::quickSpacing),
                      cellWidth, rowHeight);
    };
    const std::optional<QString>& selectedID = entry.timerState.selectedPresetID;
    // The fixed presets two to a row, each labelled with its minutes; then the
    // settings and custom links.
    std::vector<WidgetControl> controls;
    for (const TimerPresetEntity& preset : allPresetEntities()) {
        if (preset.id == TimerPresetLibrary::Constants::customPresetID)
            continue;
        const int place = static_cast<int>(controls.size());
        controls.push_back({WidgetControl::Kind::PresetButton, cell(place / 2, place % 2),
                            QString::number(preset.durationMinutes) + u"m"_s, selectedID == preset.id,
                            WidgetIntent{SelectPresetIntent{TimerWidgetLook::presetEntity(preset.id)}}});
    }
    controls.push_back({WidgetControl::Kind::SettingsLink, cell(2, 0), {}, false, settingsURL});
    controls.push_back({WidgetControl::Kind::CustomLink, cell(2, 1), u"Custom"_s,
                        selectedID == TimerPresetLibrary::Constants::customPresetID, customURL});
    return controls;
}

} // namespace

TimerWidgetLayout layoutTimerWidget(const TimerWidgetEntry& entry, WidgetFamily family)
{
    TimerWidgetLayout layout;
    layout.family = family;
    layout.size = widgetSize(family);
    const QRectF content
        = QRectF(QPointF(0, 0), layout.size).adjusted(G::padding, G::padding, -G::padding, -G::padding);
    layout.timeArea = content;
    if (family == WidgetFamily::Small) {
        layout.timeAreaIntent = smallTimeAreaIntent(entry);
        return layout;
    }
    // The medium widget toggles in every mode, idle included.
    layout.timeAreaIntent = ToggleTimerIntent{};
    if (entry.timerState.direction == TimerDirection::CountUp)
        return layout;
    const QRectF column(content.right() - G::quickColumnWidth, content.top(), G::quickColumnWidth, content.height());
    layout.timeArea.setRight(column.left() - G::columnSpacing);
    layout.quickColumn = quickColumn(entry, column);
    return layout;
}

WidgetAction actionAt(const TimerWidgetLayout& layout, QPointF point)
{
    for (const WidgetControl& control : layout.quickColumn) {
        if (control.rect.contains(point))
            return control.action;
    }
    if (layout.timeArea.contains(point))
        return layout.timeAreaIntent;
    return widgetURL;
}
