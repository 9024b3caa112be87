// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One built-in completion animation as the catalogue describes it. The frame
// count and duration are for showing; playback follows the GIF's own delays.
struct CompletionAnimation {
    QString id; // stored in the user's settings
    QString name;
    QString fileName; // key into BuiltInAnimationData
    int frameCount = 0;
    double duration = 0; // seconds

    friend bool operator==(const CompletionAnimation&, const CompletionAnimation&) = default;
};
