#include "widget-extension/intents/TimerPresetEntity.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

using namespace Qt::Literals::StringLiterals;

QList<TimerPresetEntity> allPresetEntities()
{
    return {
        {u"preset.quick-5"_s, u"5 min"_s, 5},
        {u"preset.quick-10"_s, u"10 min"_s, 10},
        {u"preset.classic-25"_s, u"25 min"_s, 25},
        {u"preset.deep-45"_s, u"45 min"_s, 45},
        {QString(TimerPresetConstants::customPresetID), u"Custom"_s, 0},
    };
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
