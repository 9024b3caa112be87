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

namespace {

constexpr int dropIndicatorHeight = 2;

} // namespace

PhaseListView::PhaseListView(CustomTimerDraft& draft, QWidget* parent)
    : QScrollArea(parent), draft_(draft), content_(new QWidget), dropIndicator_(new QWidget(content_))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto* column = new QVBoxLayout(content_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    setWidget(content_);
    // The list sits on its card: no background of its own (setWidget gives
    // the content one).
    viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);

    dropIndicator_->setAutoFillBackground(true);
    dropIndicator_->hide();

    connect(&draft_, &CustomTimerDraft::changed, this, &PhaseListView::sync);
    sync();
}

PhaseRowView* PhaseListView::makeRow()
{
    auto* row = new PhaseRowView(content_);
    row->installEventFilter(this);
    connect(row, &PhaseRowView::nameEdited, this,
            [this, row](const QString& name) { atPositionOf(row, [&](qsizetype i) { draft_.setPhaseName(i, name); }); });
    connect(row, &PhaseRowView::minutesTyped, this, [this, row](qint64 minutes) {
        atPositionOf(row, [&](qsizetype i) { draft_.setPhaseTypedMinutes(i, minutes); });
    });
    connect(row, &PhaseRowView::decrementRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { draft_.decrementPhaseMinutes(i); }); });
    connect(row, &PhaseRowView::incrementRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { draft_.incrementPhaseMinutes(i); }); });
    connect(row, &PhaseRowView::colorPicked, this, [this, row](int paletteIndex) {
        atPositionOf(row, [&](qsizetype i) { draft_.setPhaseColorIndex(i, paletteIndex); });
    });
    // Queued: the row's own button is still inside its click, and the
    // removal may take that row away.
    connect(
        row, &PhaseRowView::deleteRequested, this,
        [this, row = QPointer<PhaseRowView>(row)] {
            if (row)
                atPositionOf(row, [&](qsizetype i) { draft_.removePhase(i); });
        },
        Qt::QueuedConnection);
    connect(row, &PhaseRowView::moveUpRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { draft_.movePhaseUp(i); }); });
    connect(row, &PhaseRowView::moveDownRequested, this,
            [this, row] { atPositionOf(row, [&](qsizetype i) { draft_.movePhaseDown(i); }); });
    return row;
}

qsizetype PhaseListView::positionOf(const PhaseRowView* row) const
{
    return rows_.indexOf(row);
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
    const auto& phases = draft_.timer().phases;
    const auto count = phases.size();
    auto* column = static_cast<QVBoxLayout*>(content_->layout());
    while (rows_.size() < count) {
        auto* row = makeRow();
        column->insertWidget(static_cast<int>(rows_.size()), row);
        rows_.append(row);
    }
    // Surplus rows leave the list at once but are deleted later: the row may
    // be the one whose delete button is still delivering its click.
    while (rows_.size() > count) {
        auto* row = rows_.takeLast();
        if (row == pressedRow_)
            pressedRow_ = nullptr;
        column->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    for (qsizetype i = 0; i < count; ++i) {
        auto* row = rows_[i];
        row->showPhase(phases[i]);
        row->setCanDelete(draft_.canRemovePhases());
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
            pressedRow_ = row;
            pressPos_ = row->mapTo(content_, mouse->position().toPoint());
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressedRow_ != row || !(mouse->buttons() & Qt::LeftButton))
            break;
        const auto pos = row->mapTo(content_, mouse->position().toPoint());
        if (!dragging_ && (pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            dragging_ = true;
            row->setCursor(Qt::ClosedHandCursor);
        }
        if (dragging_)
            updateDrag(pos);
        return dragging_;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && pressedRow_ == row) {
            const bool wasDragging = dragging_;
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
    const auto count = rows_.size();
    const auto offset = std::clamp<qsizetype>(
        (contentPos.y() + PhaseRowView::rowHeight / 2) / PhaseRowView::rowHeight, 0, count);
    dropOffset_ = offset;
    ensureVisible(0, contentPos.y(), 0, PhaseRowView::rowHeight / 2);

    QPalette accent = dropIndicator_->palette();
    accent.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    dropIndicator_->setPalette(accent);
    const int y = static_cast<int>(offset) * PhaseRowView::rowHeight - dropIndicatorHeight / 2;
    dropIndicator_->setGeometry(0, std::clamp(y, 0, content_->height() - dropIndicatorHeight), content_->width(),
                                dropIndicatorHeight);
    dropIndicator_->raise();
    dropIndicator_->show();
}

void PhaseListView::finishDrag()
{
    const auto from = pressedRow_ ? positionOf(pressedRow_) : -1;
    if (pressedRow_)
        pressedRow_->unsetCursor();
    const auto destination = dropOffset_;
    pressedRow_ = nullptr;
    dragging_ = false;
    dropOffset_.reset();
    dropIndicator_->hide();
    if (from >= 0 && destination)
        draft_.movePhases({from}, *destination);
}
