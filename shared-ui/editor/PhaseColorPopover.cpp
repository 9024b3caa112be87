// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorPopover.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/PhaseColorChoice.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int padding = 12;
constexpr int spacing = 12;
constexpr qreal cornerRadius = 8;
constexpr int gapBelowAnchor = 4;

} // namespace

PhaseColorPopover::PhaseColorPopover(QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    // A click on the swatch that closes the popup must not open it again.
    setAttribute(Qt::WA_NoMouseReplay);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(spacing);
    for (int index = 0; index < CustomTimerPalette::colorCount; ++index) {
        auto* choice = new PhaseColorChoice(index, this);
        connect(choice, &QAbstractButton::clicked, this, [this, index] {
            setSelection(index);
            emit picked(index);
            close();
        });
        row->addWidget(choice, 0, Qt::AlignVCenter);
        m_choices.append(choice);
    }
}

void PhaseColorPopover::setSelection(int paletteIndex)
{
    for (auto* choice : m_choices)
        choice->setSelected(choice->paletteIndex() == paletteIndex);
}

void PhaseColorPopover::popUpBelow(const QWidget& anchor)
{
    adjustSize();
    const auto anchorBottom = anchor.mapToGlobal(QPoint(anchor.width() / 2, anchor.height()));
    QRect frame(QPoint(), size());
    frame.moveTop(anchorBottom.y() + gapBelowAnchor);
    frame.moveLeft(anchorBottom.x() - width() / 2);
    if (const auto* screen = anchor.screen()) {
        const auto available = screen->availableGeometry();
        if (frame.bottom() > available.bottom())
            frame.moveBottom(anchor.mapToGlobal(QPoint(0, 0)).y() - gapBelowAnchor);
        frame.moveLeft(
            std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - width())));
    }
    move(frame.topLeft());
    show();
}

void PhaseColorPopover::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    emit closed();
}

void PhaseColorPopover::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintRoundedRect(painter, rect(), cornerRadius, palette().color(QPalette::Window), quaternaryLabelColor(palette()),
                     1);
}
