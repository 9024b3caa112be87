// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/GlyphPattern.h"

// A glyph as a value with its size.
class DotGlyph {
public:
    explicit DotGlyph(GlyphPattern pattern)
        : m_pattern(std::move(pattern))
        , m_rows(m_pattern.rowCount())
        , m_cols(m_pattern.width())
    {
    }

    const GlyphPattern& pattern() const { return m_pattern; }
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    // A sample letter R.
    static const DotGlyph& r();

    friend bool operator==(const DotGlyph&, const DotGlyph&) = default;

private:
    GlyphPattern m_pattern;
    int m_rows;
    int m_cols;
};
