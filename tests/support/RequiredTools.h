// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardPaths>
#include <QString>

#include <initializer_list>
#include <optional>
#include <string>

namespace platform::test {

// The first of `tools` not on PATH, for tests that skip without it.
inline std::optional<std::string> firstMissingTool(std::initializer_list<const char*> tools)
{
    for (const char* tool : tools) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return std::string(tool);
    }
    return std::nullopt;
}

} // namespace platform::test
