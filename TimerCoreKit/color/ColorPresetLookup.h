// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

#include <algorithm>

// The preset whose id is exactly `id` (case matters), else `fallback`: a
// stored id that names nothing still resolves to something drawable.
template <typename Preset>
Preset presetWithID(const QList<Preset>& presets, QStringView id, const Preset& fallback)
{
    const auto found
        = std::find_if(presets.begin(), presets.end(), [id](const Preset& preset) { return preset.id == id; });
    return found != presets.end() ? *found : fallback;
}
