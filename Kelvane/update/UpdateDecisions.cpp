// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateDecisions.h"

#include "Kelvane/update/AppcastParser.h"
#include "Kelvane/update/VersionComparison.h"

namespace update {

bool isScheduledCheckDue(std::optional<platform::Date> lastCheck, platform::Date now)
{
    if (!lastCheck)
        return true;
    const double since = now.secondsSince(*lastCheck);
    return since < 0 || since >= scheduledCheckInterval;
}

std::optional<AppcastItem> newestUpdate(const Appcast& appcast, QStringView currentVersion)
{
    const AppcastItem* newest = nullptr;
    for (const AppcastItem& item : appcast.items) {
        if (!isNewerVersion(item.version, currentVersion))
            continue;
        if (!newest || isNewerVersion(item.version, newest->version))
            newest = &item;
    }
    if (!newest)
        return std::nullopt;
    return *newest;
}

UpdateCheckOutcome outcomeOfFeed(const QByteArray& document, QStringView currentVersion)
{
    const std::optional<Appcast> appcast = parseAppcast(document);
    if (!appcast)
        return UpdateCheckFailure::Unreadable;
    if (auto item = newestUpdate(*appcast, currentVersion))
        return std::move(*item);
    return UpToDate{};
}

} // namespace update

namespace update {

bool isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == u"http" || scheme == u"https");
}

bool isAcceptableRedirect(const QUrl& from, const QUrl& to)
{
    const QString source = from.scheme().toLower();
    const QString target = to.scheme().toLower();
    if (!isWebAddress(to))
        return false;
    if (target == u"https")
        return source == u"http" || source == u"https";
    return target == u"http" && source == u"http";
}

} // namespace update
