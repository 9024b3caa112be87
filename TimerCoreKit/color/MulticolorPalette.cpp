// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/color/MulticolorPalette.h"

#include "TimerCoreKit/color/ColorPresetLookup.h"
#include "TimerCoreKit/json/ColorJson.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every preset slot is opaque.
ColorComponents opaque(double r, double g, double b)
{
    return {r, g, b, 1.0};
}

} // namespace

MulticolorPalette::MulticolorPalette(QString paletteID, QString paletteName, const QList<ColorComponents>& slotColors)
    : id(std::move(paletteID))
    , name(std::move(paletteName))
{
    for (const auto& slot : slotColors) {
        slotRs.append(slot.r);
        slotGs.append(slot.g);
        slotBs.append(slot.b);
        slotAs.append(slot.a);
    }
}

MulticolorPalette MulticolorPalette::rainbow()
{
    return {"rainbow"_L1,
            "Rainbow"_L1,
            {opaque(1.0, 0.15, 0.15), opaque(1.0, 0.55, 0.0), opaque(1.0, 0.9, 0.0), opaque(0.1, 0.85, 0.25),
             opaque(0.0, 0.8, 1.0), opaque(0.2, 0.4, 1.0), opaque(0.8, 0.2, 1.0)}};
}

MulticolorPalette MulticolorPalette::pastel()
{
    return {"pastel"_L1,
            "Pastel"_L1,
            {opaque(1.0, 0.75, 0.8), opaque(1.0, 0.88, 0.68), opaque(1.0, 0.97, 0.7), opaque(0.72, 0.97, 0.72),
             opaque(0.72, 0.88, 1.0), opaque(0.88, 0.77, 1.0)}};
}

MulticolorPalette MulticolorPalette::neon()
{
    return {"neon"_L1,
            "Neon"_L1,
            {opaque(1.0, 0.05, 0.4), opaque(1.0, 0.5, 0.0), opaque(0.95, 1.0, 0.0), opaque(0.0, 1.0, 0.35),
             opaque(0.0, 0.9, 1.0), opaque(0.65, 0.0, 1.0)}};
}

MulticolorPalette MulticolorPalette::sunset()
{
    return {"sunset"_L1,
            "Sunset"_L1,
            {opaque(1.0, 0.18, 0.18), opaque(1.0, 0.42, 0.1), opaque(1.0, 0.65, 0.1), opaque(0.95, 0.45, 0.8),
             opaque(0.6, 0.15, 0.85)}};
}

const QList<MulticolorPalette>& MulticolorPalette::all()
{
    static const QList<MulticolorPalette> presets{rainbow(), pastel(), neon(), sunset()};
    return presets;
}

MulticolorPalette MulticolorPalette::palette(QStringView wanted)
{
    return presetWithID(all(), wanted, rainbow());
}

qsizetype MulticolorPalette::slotCount() const
{
    return std::min({slotRs.size(), slotGs.size(), slotBs.size(), slotAs.size()});
}

QColor MulticolorPalette::slotColor(qsizetype index) const
{
    return srgbColor({slotRs[index], slotGs[index], slotBs[index], slotAs[index]});
}

QList<QColor> MulticolorPalette::colors() const
{
    const auto count = slotCount();
    QList<QColor> result;
    result.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        result.append(slotColor(i));
    return result;
}

QColor MulticolorPalette::color(qsizetype slot) const
{
    const auto count = slotCount();
    if (count == 0)
        return QColor::fromRgbF(0, 0, 0, 0);
    return slotColor(((slot % count) + count) % count);
}

std::optional<QJsonObject> MulticolorPalette::toJson() const
{
    ColorJsonWriter writer;
    writer.insert("id"_L1, id);
    writer.insert("name"_L1, name);
    writer.insert("slotRs"_L1, slotRs);
    writer.insert("slotGs"_L1, slotGs);
    writer.insert("slotBs"_L1, slotBs);
    writer.insert("slotAs"_L1, slotAs);
    return writer.object();
}

std::optional<MulticolorPalette> MulticolorPalette::fromJson(const QJsonValue& json)
{
    ColorJsonReader reader(json);
    MulticolorPalette decoded(reader.string("id"_L1), reader.string("name"_L1), {});
    decoded.slotRs = reader.numbers("slotRs"_L1);
    decoded.slotGs = reader.numbers("slotGs"_L1);
    decoded.slotBs = reader.numbers("slotBs"_L1);
    decoded.slotAs = reader.numbers("slotAs"_L1);
    if (!reader.ok())
        return std::nullopt;
    return decoded;
}

size_t qHash(const MulticolorPalette& palette, size_t seed)
{
    return qHashMulti(seed, palette.id, palette.name, palette.slotRs, palette.slotGs, palette.slotBs, palette.slotAs);
}
