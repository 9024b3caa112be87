// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/CustomColorSwatch.h"

#include <QList>
#include <QString>

#include <optional>

// How one visit to the colour dialog turns a stream of colour changes into a
// single swatch: the first change adds a swatch and links the visit to it,
// every later change edits that swatch, until the link ends.
namespace ColorPendingSwatch {

struct Commit {
    enum class Kind { Update, Add };
    Kind kind;
    QString id; // the swatch to update; empty for an add

    friend bool operator==(const Commit&, const Commit&) = default;
};

// Update the linked swatch while it still exists (first match), else add one.
Commit commitFor(const std::optional<QString>& pendingID, const QList<CustomColorSwatch>& swatches);

// The link after an add: the new, last swatch when the add went through. A
// refused add links nothing, so later changes never overwrite a swatch the
// user made before.
std::optional<QString> pendingIDAfterAdd(bool added, const QList<CustomColorSwatch>& swatchesAfter);

// Removing the linked swatch ends the link; removing another keeps it.
std::optional<QString> pendingIDAfterRemoval(const std::optional<QString>& pendingID, const QString& removedID);

} // namespace ColorPendingSwatch
