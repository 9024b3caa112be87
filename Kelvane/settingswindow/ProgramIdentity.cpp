// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/ProgramIdentity.h"

#ifndef KELVANE_VERSION
#define KELVANE_VERSION ""
#endif
#ifndef KELVANE_BUILD_NUMBER
#define KELVANE_BUILD_NUMBER ""
#endif

namespace ProgramIdentity {

namespace {

std::optional<QString> unlessEmpty(const char* value)
{
    const QString text = QString::fromUtf8(value);
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

} // namespace

std::optional<QString> shortVersion()
{
    return unlessEmpty(KELVANE_VERSION);
}

std::optional<QString> buildNumber()
{
    return unlessEmpty(KELVANE_BUILD_NUMBER);
}

} // namespace ProgramIdentity
