// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/FocusStatusManager.h"

#include "PlatformKit/session/DoNotDisturbSource.h"

#include <algorithm>
#include <memory>
#include <vector>

// Do-not-disturb is on when any of the desktop's places says so.
class DoNotDisturbFocusStatusManager final : public FocusStatusManager {
public:
    explicit DoNotDisturbFocusStatusManager(std::vector<std::unique_ptr<platform::DoNotDisturbSource>> sources)
        : m_sources(std::move(sources))
    {
    }

    bool isFocused() const override
    {
        return std::any_of(m_sources.begin(), m_sources.end(), [](const auto& source) { return source->isOn(); });
    }

private:
    std::vector<std::unique_ptr<platform::DoNotDisturbSource>> m_sources;
};
