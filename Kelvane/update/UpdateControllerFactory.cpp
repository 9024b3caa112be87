// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateControllerFactory.h"

#ifdef KELVANE_CHECKS_UPDATE_FEED
#include "Kelvane/update/AppcastUpdateController.h"
#endif
#include "Kelvane/update/UpdateDecisions.h"

#include <QtGlobal>

namespace update {

QUrl buildFeedUrl()
{
    return QUrl(QStringLiteral(KELVANE_UPDATE_FEED_URL), QUrl::StrictMode);
}

QString buildVersion()
{
    return QStringLiteral(KELVANE_VERSION);
}

std::unique_ptr<UpdateController> makeUpdateController(platform::UserDefaults& defaults, platform::Clock clock)
{
#ifdef KELVANE_CHECKS_UPDATE_FEED
    const QUrl feed = buildFeedUrl();
    if (!isWebAddress(feed)) {
        qWarning("kelvane: the update feed address is no web address; updates are not checked");
        return nullptr;
    }
    AppcastUpdateController::Settings settings;
    settings.feedUrl = feed;
    settings.currentVersion = buildVersion();
    settings.defaults = &defaults;
    settings.clock = std::move(clock);
    return std::make_unique<AppcastUpdateController>(std::move(settings));
#else
    // Built without a feed address: nothing to check.
    Q_UNUSED(defaults);
    Q_UNUSED(clock);
    return nullptr;
#endif
}

} // namespace update
