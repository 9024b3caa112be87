// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <algorithm>

// Moves the items at `offsets` so that they stand, in their old order, before
// the item that was at `destination` (the count for the end): the reordering
// that list views ask for. Offsets outside the list are ignored and the
// destination is pinned to the list, so a stale request from a view never
// reads past the end.
template <typename T>
void moveItems(QList<T>& list, QList<qsizetype> offsets, qsizetype destination)
{
    const qsizetype count = list.size();
    offsets.erase(std::remove_if(offsets.begin(), offsets.end(),
                                 [count](qsizetype offset) { return offset < 0 || offset >= count; }),
                  offsets.end());
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
    if (offsets.isEmpty())
        return;
    destination = std::clamp<qsizetype>(destination, 0, count);

    QList<T> moved;
    moved.reserve(offsets.size());
    qsizetype movedBeforeDestination = 0;
    for (auto it = offsets.crbegin(); it != offsets.crend(); ++it) {
        moved.prepend(list.takeAt(*it));
        if (*it < destination)
            ++movedBeforeDestination;
    }
    const qsizetype insertAt = destination - movedBeforeDestination;
    for (qsizetype i = 0; i < moved.size(); ++i)
        list.insert(insertAt + i, moved.at(i));
}
