// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>
#include <QtGlobal>

// Scaling a display to the space its host offers, keeping its aspect ratio.
namespace AdaptiveFill {

// The content fills 95 % of the tighter side, growing or shrinking. Content
// or space with an empty (or unmeasurable) side shows at scale 1.
qreal scale(QSizeF intrinsicSize, QSizeF availableSize);

} // namespace AdaptiveFill
