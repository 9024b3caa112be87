// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>

namespace {

// The gap between the item and the popup.
constexpr int gap = 4;

enum class Edge { Top, Bottom, Left, Right };

// How far `inner` stays from each edge of `outer`, edge by edge.
std::array<std::pair<int, Edge>, 4> gaps(const QRect& inner, const QRect& outer)
{
    return {{
        {inner.top() - outer.top(), Edge::Top},
        {outer.bottom() - inner.bottom(), Edge::Bottom},
        {inner.left() - outer.left(), Edge::Left},
        {outer.right() - inner.right(), Edge::Right},
    }};
}

bool nearer(const std::pair<int, Edge>& a, const std::pair<int, Edge>& b)
{
    return a.first < b.first;
}

// The edge a panel at `anchor` runs along: the one whose reserved strip holds
// it, else the nearest, a horizontal one on a tie. An item in a screen corner
// is nearly as close to the side as to its panel's edge.
Edge panelEdge(const QRect& anchor, const QRect& screen, const QRect& available)
{
    const QPoint centre = anchor.center();
    if (centre.y() < available.top())
        return Edge::Top;
    if (centre.y() > available.bottom())
        return Edge::Bottom;
    if (centre.x() < available.left())
        return Edge::Left;
    if (centre.x() > available.right())
        return Edge::Right;
    const auto edges = gaps(anchor, screen);
    return std::min_element(edges.begin(), edges.end(), nearer)->second;
}

// The edge whose panel takes room from the screen: the widest strip left out
// of the free area; the top when none is.
Edge reservedEdge(const QRect& screen, const QRect& available)
{
    const auto edges = gaps(available, screen);
    const auto widest = std::max_element(edges.begin(), edges.end(), nearer);
    return widest->first > 0 ? widest->second : Edge::Top;
}

QPoint keptIn(QPoint at, QSize size, const QRect& area)
{
    const int lastX = std::max(area.left(), area.left() + area.width() - size.width());
    const int lastY = std::max(area.top(), area.top() + area.height() - size.height());
    return {std::clamp(at.x(), area.left(), lastX), std::clamp(at.y(), area.top(), lastY)};
}

} // namespace

QPoint popupPlacement(const QRect& anchor, QSize size, const QRect& screen, const QRect& available)
{
    const QRect area = available.isEmpty() ? screen : available;
    if (anchor.isEmpty()) {
        const int right = area.left() + area.width() - size.width();
        const int bottom = area.top() + area.height() - size.height();
        switch (reservedEdge(screen, area)) {
        case Edge::Bottom:
            return keptIn({right, bottom}, size, area);
        case Edge::Left:
            return keptIn({area.left(), area.top()}, size, area);
        case Edge::Top:
        case Edge::Right:
            break;
        }
        return keptIn({right, area.top()}, size, area);
    }

    const int below = anchor.bottom() + 1 + gap;
    const int above = anchor.top() - gap - size.height();
    const int after = anchor.right() + 1 + gap;
    const int before = anchor.left() - gap - size.width();
    const bool fitsBelow = below + size.height() <= area.top() + area.height();
    const bool fitsAbove = above >= area.top();
    const bool fitsAfter = after + size.width() <= area.left() + area.width();
    const bool fitsBefore = before >= area.left();
    const int centredX = anchor.center().x() - size.width() / 2;
    const int centredY = anchor.center().y() - size.height() / 2;

    QPoint at;
    switch (panelEdge(anchor, screen, area)) {
    case Edge::Top:
        at = {centredX, fitsBelow || !fitsAbove ? below : above};
        break;
    case Edge::Bottom:
        at = {centredX, fitsAbove || !fitsBelow ? above : below};
        break;
    case Edge::Left:
        at = {fitsAfter || !fitsBefore ? after : before, centredY};
        break;
    case Edge::Right:
        at = {fitsBefore || !fitsAfter ? before : after, centredY};
        break;
    }
    return keptIn(at, size, area);
}

QPoint popupPosition(const QRect& anchor, QSize size)
{
    const QScreen* screen = anchor.isEmpty() ? nullptr : QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return anchor.isEmpty() ? QPoint(0, 0) : anchor.bottomLeft();
    return popupPlacement(anchor, size, screen->geometry(), screen->availableGeometry());
}
