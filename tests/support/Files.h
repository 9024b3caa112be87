// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plain file reads and writes for tests that set up or inspect files.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <optional>

namespace platform::test {

// The file's bytes, or none when it cannot be read.
inline std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Puts `bytes` in the file at `path` in place of what it held, making its
// folder first; whether every byte was written.
[[nodiscard]] inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace platform::test
