// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/audio/AudioOutput.h"

#include <memory>

namespace platform {

// The default output device of the desktop, through Qt Multimedia's
// QAudioSink. Use it from one thread that runs an event loop.
std::unique_ptr<AudioOutput> makeSystemAudioOutput();

} // namespace platform
