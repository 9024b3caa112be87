// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorPendingSwatch.h"

#include <algorithm>

namespace ColorPendingSwatch {

Commit commitFor(const std::optional<QString>& pendingID, const QList<CustomColorSwatch>& swatches)
{
    if (pendingID) {
        const auto linked = std::find_if(swatches.cbegin(), swatches.cend(),
                                         [&](const CustomColorSwatch& swatch) { return swatch.id == *pendingID; });
        if (linked != swatches.cend())
            return {Commit::Kind::Update, linked->id};
    }
    return {Commit::Kind::Add, {}};
}

std::optional<QString> pendingIDAfterAdd(bool added, const QList<CustomColorSwatch>& swatchesAfter)
{
    if (!added || swatchesAfter.isEmpty())
        return std::nullopt;
    return swatchesAfter.last().id;
}

std::optional<QString> pendingIDAfterRemoval(const std::optional<QString>& pendingID, const QString& removedID)
{
    return pendingID == removedID ? std::nullopt : pendingID;
}

} // namespace ColorPendingSwatch
