// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/animations/CompletionAnimation.h"

#include <QList>

#include <optional>

// The ten built-in completion animations, in the order the picker shows them.
namespace AnimationLibrary {

const QList<CompletionAnimation>& animations();
std::optional<CompletionAnimation> animation(const QString& id);

} // namespace AnimationLibrary
