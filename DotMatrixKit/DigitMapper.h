// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/GlyphPattern.h"

#include <QStringView>

// The five-row alphabet of the dot display: digits, colon, a small check mark
// and the blank. The tables are built once and may be read from any thread.
namespace DigitMapper {

// The glyph of one user-perceived character, or none. Only the whole
// character counts: a digit with a combining mark has no glyph.
const GlyphPattern* matrix(QStringView character);

const GlyphPattern& colon();
const GlyphPattern& checkmark();
const GlyphPattern& blank();

} // namespace DigitMapper
