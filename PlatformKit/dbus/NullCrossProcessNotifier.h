// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/dbus/CrossProcessNotifier.h"

namespace platform {

// Posts nowhere and hears nothing: for a program part shown on its own.
class NullCrossProcessNotifier final : public CrossProcessNotifier {
public:
    void post(const QString&) override { }
    ObservationToken observe(const QString&, std::function<void()>) override { return nullptr; }
};

} // namespace platform
