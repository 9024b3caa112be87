// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/ColorPaletteMenu.h"

#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pickers/ColorSchemeRules.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int dotSide = 7;
constexpr int dotGap = 4;
constexpr int dotCount = 5;
constexpr QSize dotsSize(dotCount* dotSide + (dotCount - 1) * dotGap, dotSide);

// The palette's first colours as a row of small dots.
QIcon paletteDots(const MulticolorPalette& palette, qreal ratio)
{
    const QList<QColor> dots = ColorSchemeRules::paletteMenuDots(palette);
    QPixmap pixmap(dotsSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (qsizetype i = 0; i < dots.size(); ++i) {
        painter.setBrush(dots[i]);
        painter.drawEllipse(QRectF(static_cast<qreal>(i) * (dotSide + dotGap), 0, dotSide, dotSide));
    }
    return QIcon(pixmap);
}

} // namespace

ColorPaletteMenu::ColorPaletteMenu(ColorManager& colors, QWidget* parent)
    : QWidget(parent)
    , m_colors(colors)
    , m_menu(new QComboBox(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* title = new QLabel(u"Palette"_s, this);
    title->setBuddy(m_menu);
    row->addWidget(title);
    row->addWidget(m_menu);
    row->addStretch();
    m_menu->setAccessibleName(u"Palette"_s);
    m_menu->setIconSize(dotsSize);
    for (const MulticolorPalette& palette : MulticolorPalette::all())
        m_menu->addItem(paletteDots(palette, devicePixelRatioF()), palette.name, palette.id);
    connect(m_menu, &QComboBox::activated, this,
            [this](int index) { m_colors.setSelectedPaletteID(m_menu->itemData(index).toString()); });
    refresh();
}

void ColorPaletteMenu::refresh()
{
    m_menu->setCurrentIndex(m_menu->findData(m_colors.selectedPaletteID()));
}
