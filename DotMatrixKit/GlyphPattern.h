// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

// The cells of a glyph: rows top first, each row's cells left first; true is a
// lit dot.
class GlyphPattern {
public:
    GlyphPattern() = default;
    explicit GlyphPattern(std::vector<std::vector<bool>> cells)
        : m_cells(std::move(cells))
    {
    }

    // One string per row, '#' lit and anything else unlit.
    static GlyphPattern fromRows(std::initializer_list<std::string_view> rows);

    int rowCount() const { return static_cast<int>(m_cells.size()); }
    // Cells in the first row; 0 without rows.
    int width() const { return m_cells.empty() ? 0 : static_cast<int>(m_cells.front().size()); }
    // A cell outside the pattern, also one past the end of a row shorter than
    // the first, reads as unlit.
    bool isLit(int row, int col) const;

    const std::vector<std::vector<bool>>& cells() const { return m_cells; }

    friend bool operator==(const GlyphPattern&, const GlyphPattern&) = default;

private:
    std::vector<std::vector<bool>> m_cells;
};
