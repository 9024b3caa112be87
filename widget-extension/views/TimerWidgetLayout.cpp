#include "widget-extension/views/TimerWidgetLayout.h"

#include "widget-extension/views/TimerWidgetLook.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
namespace G = TimerWidgetGeometry;

namespace {

WidgetIntent smallTimeAreaIntent(const TimerWidgetEntry& entry)
{
    if (entry.timerState.mode != TimerMode::Idle)
        return ToggleTimerIntent{};
    const TimerPresetEntity& preset = entry.configuration.selectedPreset;
    if (preset.id == TimerPresetConstants::customPresetID)
        return SelectCustomPresetIntent{};
    return SelectPresetIntent{preset};
}

std::vector<WidgetControl> quickColumn(const TimerWidgetEntry& entry, const QRectF& column)
{
    const qreal rowHeight = std::min(G::quickRowHeight, (column.height() - 2 * G::quickSpacing) / 3);
    const qreal top = column.center().y() - (3 * rowHeight + 2 * G::quickSpacing) / 2;
    const qreal cellWidth = (column.width() - G::quickSpacing) / 2;
    const auto cell = [&](int row, int side) {
        return QRectF(column.left() + side * (cellWidth + G::quickSpacing),
                      top + row * (rowHeight + G::quickSpacing), cellWidth, rowHeight);
    };
    const std::optional<QString>& selectedID = entry.timerState.selectedPresetID;
    const auto preset = [&](int row, int side, const QString& label, const QString& id) {
        return WidgetControl{WidgetControl::Kind::PresetButton, cell(row, side), label, selectedID == id,
                             WidgetIntent{SelectPresetIntent{TimerWidgetLook::presetEntity(id)}}};
    };
    return {
        preset(0, 0, u"5m"_s, u"preset.quick-5"_s),
        preset(0, 1, u"10m"_s, u"preset.quick-10"_s),
        preset(1, 0, u"25m"_s, u"preset.classic-25"_s),
        preset(1, 1, u"45m"_s, u"preset.deep-45"_s),
        {WidgetControl::Kind::SettingsLink, cell(2, 0), {}, false, settingsURL},
        {WidgetControl::Kind::CustomLink, cell(2, 1), u"Custom"_s, selectedID == TimerPresetConstants::customPresetID,
         customURL},
    };
}

} // namespace

TimerWidgetLayout layoutTimerWidget(const TimerWidgetEntry& entry, WidgetFamily family)
{
    TimerWidgetLayout layout;
    layout.family = family;
    layout.size = widgetSize(family);
    const QRectF content = QRectF(QPointF(0, 0), layout.size).adjusted(G::padding, G::padding, -G::padding, -G::padding);
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
