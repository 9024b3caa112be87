// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/intents/TimerPresetEntity.h"

TimerPresetEntity TimerPresetEntity::from(const TimerPreset& preset)
{
    return {preset.id, preset.name, preset.isCustom ? 0 : static_cast<int>(preset.duration / 60)};
}

QList<TimerPresetEntity> allPresetEntities()
{
    QList<TimerPresetEntity> entities;
    for (const TimerPreset& preset : TimerPresetLibrary::presets(TimerPresetLibrary::Constants::defaultCustomDuration))
        entities.append(TimerPresetEntity::from(preset));
    return entities;
}

QList<TimerPresetEntity> TimerPresetQuery::suggestedEntities() const
{
    return allPresetEntities();
}

QList<TimerPresetEntity> TimerPresetQuery::entities(const QStringList& identifiers) const
{
    QList<TimerPresetEntity> found;
    for (const TimerPresetEntity& entity : allPresetEntities()) {
        if (identifiers.contains(entity.id))
            found.append(entity);
    }
    return found;
}
