// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/UpdateController.h"

#include "PlatformKit/core/Date.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QString>
#include <QUrl>

#include <memory>

namespace update {

// The feed address this build was configured with; empty when none.
QUrl buildFeedUrl();
// This build's version, the one a feed's versions are compared against.
QString buildVersion();

// The checker of this build's feed; none (nothing to check) when the build has
// no feed address or not a web address.
std::unique_ptr<UpdateController> makeUpdateController(platform::UserDefaults& defaults, platform::Clock clock);

} // namespace update
