// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/looks/DisplayLookSettings.h"
#include "shared-ui/looks/DisplayRenderer.h"

#include <memory>

// Picks the look by display type and builds its renderer afresh for the frame.
namespace DisplayRendererFactory {

std::unique_ptr<DisplayRenderer> renderer(DisplayType type, const DisplayLookSettings& settings);

} // namespace DisplayRendererFactory
