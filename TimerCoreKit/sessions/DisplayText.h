// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The first `count` characters of `text` as a person sees them (grapheme
// clusters), so a cut never splits an accented letter, an emoji or a flag.
// A count of 0 or less gives an empty text.
QString leadingCharacters(const QString& text, qsizetype count);
