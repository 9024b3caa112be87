// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/Appcast.h"

#include <variant>

// Why a check came to nothing. Each is one line in the manual check's dialog
// and silence otherwise.
enum class UpdateCheckFailure {
    Unreachable, // no connection, refused, reset
    TimedOut, // no complete answer in time
    ServerError, // an HTTP error status, 404 among them
    TooLarge, // more than a feed could ever need
    Unreadable, // not a well-formed RSS feed
    RefusedRedirect, // sent elsewhere than a web address of the same kind
};

struct UpToDate {
    bool operator==(const UpToDate&) const = default;
};

// A check's end: nothing newer, the newest release newer than this program,
// or a failure.
using UpdateCheckOutcome = std::variant<UpToDate, AppcastItem, UpdateCheckFailure>;
