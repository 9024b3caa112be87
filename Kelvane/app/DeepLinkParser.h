// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/app/DeepLinkAction.h"

#include <QUrl>

#include <optional>

// Reads a kelvane:// link: kelvane://open, kelvane://settings,
// kelvane://custom, kelvane://timer/<toggle|start|pause|reset> and
// kelvane://timer/preset?id=<preset id>. Scheme, host and action word match in
// any letter case; the query name "id" and the identifier are taken as
// written. An invalid URL and anything else give no action. Pure.
std::optional<DeepLinkAction> parseDeepLink(const QUrl& url);
