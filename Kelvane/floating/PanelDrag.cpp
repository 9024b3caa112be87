#include "Kelvane/floating/PanelDrag.h"

std::optional<QPoint> PanelDrag::moveTo(QPoint at)
{
    if (!m_pressedAt)
        return std::nullopt;
    const QPoint travelled = at - *m_pressedAt;
    if (travelled.manhattanLength() < m_dragDistance)
        return std::nullopt;
    m_pressedAt.reset();
    return travelled;
}
