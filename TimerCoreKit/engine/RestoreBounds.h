// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerStateSnapshot.h"

// A stored snapshot's numbers brought within what a timer can hold, before the
// engine restores from it: another build, another program or a damaged file
// may have written anything. The duration is not negative (a non-finite one
// reads as `presetDuration`, the length of the selected preset), the time left
// lies between 0 and the duration (a non-finite one reads as the whole
// duration) and the elapsed time is not negative (a non-finite one reads as 0).
// Dates are left to the engine, which measures them against its clock. Pure.
TimerStateSnapshot withinRestoreBounds(TimerStateSnapshot snapshot, double presetDuration);
