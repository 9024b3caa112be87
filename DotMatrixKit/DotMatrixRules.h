// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/DotMatrixInputs.h"
#include "DotMatrixKit/DotPosition.h"

#include "PlatformKit/core/Date.h"

#include <QSizeF>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// The rules of the dot-matrix display, as pure functions of its inputs and,
// for the time-driven looks, of "now".
namespace DotMatrixRules {

// The override when there is one, otherwise the formatted time.
QString displayText(const DotMatrixInputs& inputs);

// The display shows the large completion check mark instead of a text.
bool isCheckmarkMode(const DotMatrixInputs& inputs);

QString accessibleLabel(const DotMatrixInputs& inputs);

struct Layout {
    std::vector<DotPosition> positions;
    QSizeF size;
};
// The dots to draw and the room they take; the check mark takes the room of "00:00".
Layout layout(const DotMatrixInputs& inputs);

// Pulsing dims the colon on odd whole seconds; contextual shows it only while
// the text holds a colon.
qreal colonOpacity(ColonMode mode, QStringView text, platform::Date now);

// A blinking display spends 0.6 s at full opacity, then 0.6 s dimmed.
qreal displayOpacity(bool blinkDisplay, platform::Date now);

DotMatrixState state(const DotMatrixInputs& inputs, platform::Date now);

// When the time-driven look next changes by itself, or none when it does not.
std::optional<platform::Date> nextLookChange(const DotMatrixInputs& inputs, platform::Date now);

} // namespace DotMatrixRules
