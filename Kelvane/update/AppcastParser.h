// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/Appcast.h"

#include <QByteArray>

#include <optional>

// Reads an RSS 2.0 appcast. Each item needs a version (the enclosure's
// sparkle:version, else a <sparkle:version> element, else the short version)
// and a download link (the enclosure's url, else <link>); items missing either
// are left out. Links other than http(s) are dropped, since the feed is only
// trusted to point at web pages. None when the document is not well-formed
// XML or not an RSS channel.
std::optional<Appcast> parseAppcast(const QByteArray& document);
