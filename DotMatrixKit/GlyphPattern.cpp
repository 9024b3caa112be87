// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/GlyphPattern.h"

GlyphPattern GlyphPattern::fromRows(std::initializer_list<std::string_view> rows)
{
    std::vector<std::vector<bool>> cells;
    cells.reserve(rows.size());
    for (const auto row : rows) {
        std::vector<bool> line;
        line.reserve(row.size());
        for (const char cell : row)
            line.push_back(cell == '#');
        cells.push_back(std::move(line));
    }
    return GlyphPattern(std::move(cells));
}

bool GlyphPattern::isLit(int row, int col) const
{
    if (row < 0 || col < 0 || row >= rowCount())
        return false;
    const auto& line = m_cells[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < line.size() && line[static_cast<std::size_t>(col)];
}
