// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/UpdateCheckOutcome.h"

#include "PlatformKit/core/Date.h"

#include <QByteArray>
#include <QStringView>
#include <QUrl>

#include <optional>

namespace update {

inline constexpr double scheduledCheckInterval = 24 * 60 * 60;

// A background check is due when none was made, a day has passed since the
// last one, or the last one lies in the future (the clock was set back): a
// stored date from a wrong clock must not stop checks for good.
bool isScheduledCheckDue(std::optional<platform::Date> lastCheck, platform::Date now);

// The release with the highest version above `currentVersion`; the first
// in feed order among equals. None when nothing is newer.
std::optional<AppcastItem> newestUpdate(const Appcast& appcast, QStringView currentVersion);

// What a downloaded feed means for this program.
UpdateCheckOutcome outcomeOfFeed(const QByteArray& document, QStringView currentVersion);

} // namespace update

namespace update {

// An http or https address with a host: the only kind the feed is fetched
// from or may send anyone to.
bool isWebAddress(const QUrl& url);

// A feed may move within the web, and from http to https, but never to
// another kind of address (a file, ftp) nor from https down to http.
bool isAcceptableRedirect(const QUrl& from, const QUrl& to);

} // namespace update
