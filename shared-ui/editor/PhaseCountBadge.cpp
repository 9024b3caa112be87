// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseCountBadge.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/CustomTimerEditorRules.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int captionPixelSize = 10;
constexpr int horizontalPadding = 6;
constexpr int verticalPadding = 2;

} // namespace

PhaseCountBadge::PhaseCountBadge(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setPhaseCount(0);
}

void PhaseCountBadge::setPhaseCount(qsizetype count)
{
    m_text = CustomTimerEditorRules::phaseBadgeText(count);
    m_warns = CustomTimerEditorRules::phaseBadgeWarns(count);
    setAccessibleName(m_text);
    updateGeometry();
    update();
}

QFont PhaseCountBadge::badgeFont() const
{
    return pixelFont(QFontDatabase::systemFont(QFontDatabase::FixedFont), captionPixelSize);
}

QSize PhaseCountBadge::sizeHint() const
{
    const QFontMetrics metrics(badgeFont());
    return {metrics.horizontalAdvance(m_text) + 2 * horizontalPadding, metrics.height() + 2 * verticalPadding};
}

void PhaseCountBadge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto orange = warningOrange(palette());
    const auto fill = m_warns ? faded(orange, 0.25) : faded(primaryLabelColor(palette()), 0.08);
    paintRoundedRect(painter, rect(), height() / 2.0, fill);
    painter.setFont(badgeFont());
    painter.setPen(m_warns ? orange : secondaryLabelColor(palette()));
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
