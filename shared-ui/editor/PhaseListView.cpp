// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseListView.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/editor/CustomTimerDraft.h"
#include "shared-ui/editor/PhaseRowView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int dropIndicatorHeight = 2;

} // namespace

PhaseListView::PhaseListView(CustomTimerDraft& draft, QWidget* parent)
    : QScrollArea(parent)
    , m_draft(draft)
    , m_content(new QWidget)
    , m_dropIndicator(new QWidget(m_content))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab goes from control to control; the list scrolls to the one focused.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(u"Phases"_s);
    setWidgetResizable(true);
    auto* column = new QVBoxLayout(m_content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    setWidget(m_content);
    // The list sits on its card: no background of its own (setWidget gives
    // the content one).
    viewport()->setAutoFillBackground(false);
    m_content->setAutoFillBackground(false);

    m_dropIndicator->setAutoFillBackground(true);
    m_dropIndicator->hide();

    connect(&m_draft, &CustomTimerDraft::changed, this, &PhaseListView::sync);
    sync();
}

PhaseRowView* PhaseListView::makeRow()
{
    auto* row = new PhaseRowView(m_content);
    row->installEventFilter(this);
    connect(row, &PhaseRowView::nameEdited, this, [this, row](const QString& name) {
        atPositionOf(row, [&](qsizetype i) { m_draft.setPhaseName(i, name); });
    });
    connect(row, &PhaseRowView::minutesTyped, this, [this, row](qint64 minutes) {
        atPositionOf(row, [&](qsizetype i) { m_draft.setPhaseTypedMinutes(i, minutes); });
    });
    connect(row, &PhaseRowView::decrementRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { m_draft.decrementPhaseMinutes(i); }); });
    connect(row, &PhaseRowView::incrementRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { m_draft.incrementPhaseMinutes(i); }); });
    connect(row, &PhaseRowView::colorPicked, this, [this, row](int paletteIndex) {
        atPositionOf(row, [&](qsizetype i) { m_draft.setPhaseColorIndex(i, paletteIndex); });
    });
    // Queued: the row's own button is still inside its click, and the
    // removal may take that row away.
    connect(
        row, &PhaseRowView::deleteRequested, this,
        [this, row = QPointer<PhaseRowView>(row)] {
            if (row)
                atPositionOf(row, [&](qsizetype i) { m_draft.removePhase(i); });
        },
        Qt::QueuedConnection);
    connect(row, &PhaseRowView::moveUpRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { m_draft.movePhaseUp(i); }); });
    connect(row, &PhaseRowView::moveDownRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { m_draft.movePhaseDown(i); }); });
    return row;
}

qsizetype PhaseListView::positionOf(const PhaseRowView* row) const
{
    return m_rows.indexOf(row);
}

template <typename Action>
void PhaseListView::atPositionOf(const PhaseRowView* row, Action action)
{
    if (const auto position = positionOf(row); position >= 0)
        action(position);
    // An edit the draft refused or cut (a name past its limit) leaves the
    // draft as it was, so show it again.
    sync();
}

void PhaseListView::sync()
{
    const auto& phases = m_draft.timer().phases;
    const auto count = phases.size();
    auto* column = static_cast<QVBoxLayout*>(m_content->layout());
    while (m_rows.size() < count) {
        auto* row = makeRow();
        column->insertWidget(static_cast<int>(m_rows.size()), row);
        m_rows.append(row);
    }
    // Surplus rows leave the list at once but are deleted later: the row may
    // be the one whose delete button is still delivering its click.
    while (m_rows.size() > count) {
        auto* row = m_rows.takeLast();
        if (row == m_pressedRow)
            m_pressedRow = nullptr;
        column->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    for (qsizetype i = 0; i < count; ++i) {
        auto* row = m_rows[i];
        row->showPhase(phases[i]);
        row->setCanDelete(m_draft.canRemovePhases());
        row->setMoveUpAvailable(i >= 1);
        row->setMoveDownAvailable(i < count - 1);
    }

    const auto shownRows = std::min<qsizetype>(count, visibleRows);
    setFixedHeight(static_cast<int>(shownRows) * PhaseRowView::rowHeight);
    setVerticalScrollBarPolicy(count > visibleRows ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

bool PhaseListView::eventFilter(QObject* watched, QEvent* event)
{
    auto* row = qobject_cast<PhaseRowView*>(watched);
    if (!row)
        return QScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_pressedRow = row;
            m_pressPos = row->mapTo(m_content, mouse->position().toPoint());
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_pressedRow != row || !(mouse->buttons() & Qt::LeftButton))
            break;
        const auto pos = row->mapTo(m_content, mouse->position().toPoint());
        if (!m_dragging && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragging = true;
            row->setCursor(Qt::ClosedHandCursor);
        }
        if (m_dragging)
            updateDrag(pos);
        return m_dragging;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_pressedRow == row) {
            const bool wasDragging = m_dragging;
            finishDrag();
            return wasDragging;
        }
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

void PhaseListView::updateDrag(const QPoint& contentPos)
{
    const auto count = m_rows.size();
    const auto offset
        = std::clamp<qsizetype>((contentPos.y() + PhaseRowView::rowHeight / 2) / PhaseRowView::rowHeight, 0, count);
    m_dropOffset = offset;
    ensureVisible(0, contentPos.y(), 0, PhaseRowView::rowHeight / 2);

    QPalette accent = m_dropIndicator->palette();
    accent.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    m_dropIndicator->setPalette(accent);
    const int y = static_cast<int>(offset) * PhaseRowView::rowHeight - dropIndicatorHeight / 2;
    m_dropIndicator->setGeometry(0, std::clamp(y, 0, m_content->height() - dropIndicatorHeight), m_content->width(),
                                 dropIndicatorHeight);
    m_dropIndicator->raise();
    m_dropIndicator->show();
}

void PhaseListView::finishDrag()
{
    const auto from = m_pressedRow ? positionOf(m_pressedRow) : -1;
    if (m_pressedRow)
        m_pressedRow->unsetCursor();
    const auto destination = m_dropOffset;
    m_pressedRow = nullptr;
    m_dragging = false;
    m_dropOffset.reset();
    m_dropIndicator->hide();
    if (from >= 0 && destination)
        m_draft.movePhases({from}, *destination);
}
