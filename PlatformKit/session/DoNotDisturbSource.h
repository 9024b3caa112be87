// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// One place where the desktop says it is in do-not-disturb.
class DoNotDisturbSource {
public:
    virtual ~DoNotDisturbSource() = default;
    virtual bool isOn() const = 0;

protected:
    DoNotDisturbSource() = default;
};

} // namespace platform
