// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

#include <optional>

// The GIF files of the built-in completion animations, carried inside the
// program. Every image is 32 x 18 pixels. Safe to call from any thread.
namespace BuiltInAnimationData {

// The GIF bytes stored under exactly this file name (".gif" included, case
// counts), or none. Decoded afresh on every call: callers keep the result.
std::optional<QByteArray> data(QStringView fileName);

} // namespace BuiltInAnimationData
