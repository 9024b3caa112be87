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

SoftSegmentedControl::SoftSegmentedControl(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(trackPadding, trackPadding, trackPadding, trackPadding);
    row->setSpacing(0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SoftSegmentedControl::setSegments(int count, SegmentLabel label)
{
    qDeleteAll(segments_);
    segments_.clear();
    label_ = std::move(label);
    for (int index = 0; index < count; ++index) {
        auto* segment = new SoftSegment(this);
        connect(segment, &QAbstractButton::clicked, this, [this, index] {
            setSelectedIndex(index);
            emit segmentClicked(index);
        });
        // Equal stretch: the segments share the row equally.
        static_cast<QHBoxLayout*>(layout())->addWidget(segment, 1);
        segments_.append(segment);
    }
    relabel();
    update();
}

int SoftSegmentedControl::count() const
{
    return static_cast<int>(segments_.size());
}

void SoftSegmentedControl::setSelectedIndex(int index)
{
    selectedIndex_ = (index >= 0 && index < count()) ? index : -1;
    relabel();
    update();
}

int SoftSegmentedControl::selectedIndex() const
{
    return selectedIndex_;
}

void SoftSegmentedControl::relabel()
{
    for (int index = 0; index < count(); ++index) {
        auto* segment = segments_[index];
        const bool selected = index == selectedIndex_;
        segment->setSelected(selected);
        const auto text = label_ ? label_(index, selected) : QString();
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
    paintRoundedRect(painter, rect(), trackRadius, colors.trackFill,
                     colors.trackStroke, strokeWidth);

    if (selectedIndex_ < 0)
        return;
    const QRectF pill = segments_[selectedIndex_]->geometry();
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
    paintRoundedRect(painter, shadow.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5,
                     faded(colors.selectedShadow, 0.5));
    paintRoundedRect(painter, shadow, radius, colors.selectedShadow);
    painter.restore();
    paintRoundedRect(painter, pill, radius, colors.selectedFill);
}
