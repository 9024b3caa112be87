#pragma once

#include <QList>
#include <QScrollArea>

#include <optional>

class CustomTimerDraft;
class PhaseRowView;

// The editor's list of phase rows, one per phase of the draft in order. Row i
// always shows phase i, and every action of a row is applied to the phase at
// the row's position when the action runs. Rows can be dragged by their
// background to reorder the phases. Seven rows fit; from eight on it scrolls.
class PhaseListView : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int visibleRows = 7;

    explicit PhaseListView(CustomTimerDraft& draft, QWidget* parent = nullptr);

    const QList<PhaseRowView*>& rows() const { return rows_; }
    // Where a drag in progress would drop its row, as an insertion offset.
    std::optional<qsizetype> dropOffset() const { return dropOffset_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sync();
    PhaseRowView* makeRow();
    qsizetype positionOf(const PhaseRowView* row) const;
    // Runs `action` with the row's position, if the row is still in the list.
    template <typename Action>
    void atPositionOf(const PhaseRowView* row, Action action);

    void updateDrag(const QPoint& contentPos);
    void finishDrag();

    CustomTimerDraft& draft_;
    QWidget* content_;
    QWidget* dropIndicator_;
    QList<PhaseRowView*> rows_;

    PhaseRowView* pressedRow_ = nullptr;
    QPoint pressPos_;
    bool dragging_ = false;
    std::optional<qsizetype> dropOffset_;
};
