// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/audio/AudioOutput.h"

#include <QString>

namespace platform {

// The default output device of the desktop, through Qt Multimedia's
// QAudioSink, which lives in a module of its own (`modulePath`) loaded when
// the first output is made: a program that never plays a tick never maps Qt
// Multimedia, Qt Network or the sound server's client. A module that cannot
// be loaded gives no output, which is silence; that is said once. Use the
// outputs from one thread that runs an event loop.
AudioOutputFactory systemAudioOutput(QString modulePath);

// The module's one export: `AudioOutput* kelvaneMakeAudioOutput()`, an output
// the caller owns.
inline constexpr auto audioModuleEntry = "kelvaneMakeAudioOutput";

} // namespace platform
