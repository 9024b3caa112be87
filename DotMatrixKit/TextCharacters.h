// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <QVarLengthArray>

// The user-perceived characters of a text, in order, as views into it. A
// display text is a handful of characters, so this normally stays off the heap.
using TextCharacters = QVarLengthArray<QStringView, 16>;

TextCharacters splitCharacters(QStringView text);
