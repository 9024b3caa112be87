// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/session/DesktopDoNotDisturbSources.h"

#include "PlatformKit/session/GnomeBannerSetting.h"
#include "PlatformKit/session/NotificationServerInhibition.h"

namespace platform {

std::vector<std::unique_ptr<DoNotDisturbSource>> desktopDoNotDisturbSources()
{
    std::vector<std::unique_ptr<DoNotDisturbSource>> sources;
    sources.push_back(std::make_unique<NotificationServerInhibition>());
    sources.push_back(std::make_unique<GnomeBannerSetting>());
    return sources;
}

} // namespace platform
