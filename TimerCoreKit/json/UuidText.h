// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QUuid>

#include <optional>

// UUIDs as the stored records write them: 36 characters, hyphenated, upper-case
// hexadecimal when written, either case when read.
QString uuidText(const QUuid& uuid);
// None unless the text is exactly that form (no braces, no blanks).
std::optional<QUuid> uuidFromText(QStringView text);
