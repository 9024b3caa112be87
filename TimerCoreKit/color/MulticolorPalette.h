// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/ColorComponents.h"

#include <QColor>
#include <QHashFunctions>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

// The colours that multicolour digits walk through, one slot per digit
// position, wrapping around at the end. Each component is its own list, as
// the stored JSON has it; slot i is the i-th element of each.
struct MulticolorPalette {
    MulticolorPalette(QString paletteID, QString paletteName, const QList<ColorComponents>& slotColors);

    QString id;
    QString name;
    QList<double> slotRs;
    QList<double> slotGs;
    QList<double> slotBs;
    QList<double> slotAs;

    friend bool operator==(const MulticolorPalette&, const MulticolorPalette&) = default;

    static MulticolorPalette rainbow();
    static MulticolorPalette pastel();
    static MulticolorPalette neon();
    static MulticolorPalette sunset();
    // The presets in the order the pickers show them.
    static const QList<MulticolorPalette>& all();

    // The preset with exactly this id, else the rainbow.
    static MulticolorPalette palette(QStringView id);

    // One colour a slot; lists of unequal length count only as far as the
    // shortest.
    QList<QColor> colors() const;
    // The colour of a slot, wrapping around past the end (and before the
    // start, so -1 is the last slot). Clear when the palette has no slots.
    QColor color(qsizetype slot) const;

    // None when a component is NaN or infinite, which JSON cannot hold.
    std::optional<QJsonObject> toJson() const;
    // None unless all six keys hold a value of their kind; numbers must be finite.
    static std::optional<MulticolorPalette> fromJson(const QJsonValue& json);

private:
    qsizetype slotCount() const;
    QColor slotColor(qsizetype index) const;
};

size_t qHash(const MulticolorPalette& palette, size_t seed = 0);
