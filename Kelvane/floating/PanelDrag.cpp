// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/PanelDrag.h"

#include <utility>

std::optional<QPoint> PanelDrag::moveTo(QPoint at)
{
    if (!m_pressedAt)
        return std::nullopt;
    if ((at - *m_pressedAt).manhattanLength() < m_dragDistance)
        return std::nullopt;
    return std::exchange(m_pressedAt, std::nullopt);
}
