// SPDX-License-Identifier: GPL-3.0-or-later
#include "GallerySheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int margin = 16;
constexpr int labelGap = 4;
constexpr int entryGap = 14;
constexpr int checkerSide = 8;

QFont labelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void paintChecker(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y < area.bottom(); y += checkerSide) {
        for (int x = area.left(); x < area.right(); x += checkerSide) {
            const bool dark = ((x - area.left()) / checkerSide + (y - area.top()) / checkerSide) % 2 == 0;
            painter.fillRect(QRect(x, y, checkerSide, checkerSide), dark ? QColor(52, 56, 64) : QColor(72, 76, 86));
        }
    }
    painter.restore();
}

} // namespace

void GallerySheet::add(QString label, QImage picture)
{
    m_entries.push_back({std::move(label), std::move(picture)});
}

QImage GallerySheet::render() const
{
    const QFont titleFont = labelFont(18, true);
    const QFont entryFont = labelFont(13, false);
    const int titleHeight = QFontMetrics(titleFont).height();
    const int entryLabelHeight = QFontMetrics(entryFont).height();

    // Every cell as wide as the widest entry; every row as tall as its tallest.
    int cellWidth = 0;
    for (const auto& entry : m_entries)
        cellWidth
            = std::max({cellWidth, entry.picture.width(), QFontMetrics(entryFont).horizontalAdvance(entry.label)});
    std::vector<int> rowHeights;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (i % static_cast<std::size_t>(m_columns) == 0)
            rowHeights.push_back(0);
        rowHeights.back() = std::max(rowHeights.back(), entryLabelHeight + labelGap + m_entries[i].picture.height());
    }

    const int columns = std::min<int>(m_columns, static_cast<int>(std::max<std::size_t>(m_entries.size(), 1)));
    const int width
        = std::max(QFontMetrics(titleFont).horizontalAdvance(m_title), columns * cellWidth + (columns - 1) * entryGap)
        + 2 * margin;
    int height = 2 * margin + titleHeight;
    for (const int rowHeight : rowHeights)
        height += entryGap + rowHeight;

    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(30, 32, 36));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(235, 235, 235));
    painter.setFont(titleFont);
    painter.drawText(QRect(margin, margin, width - 2 * margin, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    painter.setFont(entryFont);
    int rowTop = margin + titleHeight + entryGap;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const auto& entry = m_entries[i];
        const auto row = i / static_cast<std::size_t>(m_columns);
        const auto column = static_cast<int>(i % static_cast<std::size_t>(m_columns));
        const int left = margin + column * (cellWidth + entryGap);
        painter.setPen(QColor(190, 200, 210));
        painter.drawText(QRect(left, rowTop, cellWidth, entryLabelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         entry.label);
        const QRect area(QPoint(left, rowTop + entryLabelHeight + labelGap), entry.picture.size());
        paintChecker(painter, area);
        // Pixel for pixel, so a picture rendered at a zoom shows at that zoom.
        QImage pixels = entry.picture;
        pixels.setDevicePixelRatio(1.0);
        painter.drawImage(area.topLeft(), pixels);
        if (column == m_columns - 1 || i + 1 == m_entries.size())
            rowTop += rowHeights[row] + entryGap;
    }
    return sheet;
}
