// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SoftSegmentedControl.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SoftSegment.h"
#include "shared-ui/controls/SoftSegmentedColors.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int trackPadding = 2;
constexpr qreal trackRadius = 6;

} // namespace

SoftSegmentedControl::SoftSegmentedControl(QWidget* parent)
    : QWidget(parent)
{
    installAccessibleTraits();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(trackPadding, trackPadding, trackPadding, trackPadding);
    row->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SoftSegmentedControl::setSegments(int count, SegmentLabel label)
{
    qDeleteAll(m_segments);
    m_segments.clear();
    m_label = std::move(label);
    for (int index = 0; index < count; ++index) {
        auto* segment = new SoftSegment(this);
        connect(segment, &QAbstractButton::clicked, this, [this, index] {
            setSelectedIndex(index);
            emit segmentClicked(index);
        });
        // Equal stretch: the segments share the row equally.
        static_cast<QHBoxLayout*>(layout())->addWidget(segment, 1);
        m_segments.append(segment);
    }
    relabel();
    update();
}

int SoftSegmentedControl::count() const
{
    return static_cast<int>(m_segments.size());
}

void SoftSegmentedControl::setSelectedIndex(int index)
{
    m_selectedIndex = (index >= 0 && index < count()) ? index : -1;
    relabel();
    update();
}

int SoftSegmentedControl::selectedIndex() const
{
    return m_selectedIndex;
}

void SoftSegmentedControl::relabel()
{
    for (int index = 0; index < count(); ++index) {
        auto* segment = m_segments[index];
        const bool selected = index == m_selectedIndex;
        segment->setSelected(selected);
        const auto text = m_label ? m_label(index, selected) : QString();
        segment->setText(text);
        segment->setAccessibleName(text);
    }
}

void SoftSegmentedControl::paintEvent(QPaintEvent*)
{
    const auto colors = SoftSegmentedColors::forAppearance(appearanceOf(palette()));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const auto strokeWidth = hairlineWidth(*this);
    paintRoundedRect(painter, rect(), trackRadius, colors.trackFill, colors.trackStroke, strokeWidth);

    if (m_selectedIndex < 0)
        return;
    const QRectF pill = m_segments[m_selectedIndex]->geometry();
    const auto radius = SoftSegment::pillRadius;
    // The shadow shows only where the pill does not cover it, so the
    // translucent pill keeps its own tone.
    QPainterPath outsidePill;
    outsidePill.addRect(rect());
    QPainterPath pillPath;
    pillPath.addRoundedRect(pill, radius, radius);
    painter.save();
    painter.setClipPath(outsidePill.subtracted(pillPath));
    const auto shadow = pill.translated(0, 1);
    paintRoundedRect(painter, shadow.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5, faded(colors.selectedShadow, 0.5));
    paintRoundedRect(painter, shadow, radius, colors.selectedShadow);
    painter.restore();
    paintRoundedRect(painter, pill, radius, colors.selectedFill);
}
