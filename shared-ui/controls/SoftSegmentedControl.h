// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/accessibility/AccessibleTraits.h"

#include <QList>
#include <QWidget>

#include <functional>

class SoftSegment;

// A row of equal-width, borderless segments in a soft rounded track, the
// selected one drawn as a raised pill. It works on segment positions; see
// SoftSegmentedPicker for a control over a list of option values. Assistive
// technologies see one named group holding its segments.
class SoftSegmentedControl : public QWidget, public AccessibleTraits {
    Q_OBJECT

public:
    // The text of one segment; `isSelected` tells whether it is the chosen one.
    using SegmentLabel = std::function<QString(int index, bool isSelected)>;

    explicit SoftSegmentedControl(QWidget* parent = nullptr);

    // Replaces the segments with `count` new ones, labelled by `label`.
    void setSegments(int count, SegmentLabel label);
    int count() const;

    // Any index outside the segments, such as -1, selects none.
    void setSelectedIndex(int index);
    int selectedIndex() const;

    QAccessible::Role accessibleRole() const override { return QAccessible::Grouping; }

signals:
    // A segment was clicked, also when it already was the selected one. The
    // segment is selected by then.
    void segmentClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relabel();

    QList<SoftSegment*> m_segments;
    SegmentLabel m_label;
    int m_selectedIndex = -1;
};
