// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/DisplayColor.h"

#include <QImage>
#include <QWidget>

#include <functional>

// The 64-point square in which the animation picker plays its preview: the
// frame tinted by the display's dot colour on its background colour, or a
// faint play symbol while there is no frame. A click asks for a replay.
class AnimationPreviewBox final : public QWidget {
    Q_OBJECT

public:
    static constexpr int side = 64;
    static constexpr int frameHeight = 36;

    explicit AnimationPreviewBox(QWidget* parent = nullptr);

    void setOnTap(std::function<void()> action) { m_onTap = std::move(action); }
    void setFrame(const QImage& frame);
    void setDisplayColor(const DisplayColor& color);

    const QImage& frame() const { return m_frame; }
    QSize sizeHint() const override { return {side, side}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_frame;
    // The tinted copy, remade when the frame or the colours change.
    QImage m_tintedFrame;
    QColor m_dotColor = Qt::white;
    QColor m_backgroundColor = Qt::transparent;
    std::function<void()> m_onTap;
};
