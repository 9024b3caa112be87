// SPDX-License-Identifier: GPL-3.0-or-later
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

    const QList<PhaseRowView*>& rows() const { return m_rows; }
    // Where a drag in progress would drop its row, as an insertion offset.
    std::optional<qsizetype> dropOffset() const { return m_dropOffset; }

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

    CustomTimerDraft& m_draft;
    QWidget* m_content;
    QWidget* m_dropIndicator;
    QList<PhaseRowView*> m_rows;

    PhaseRowView* m_pressedRow = nullptr;
    QPoint m_pressPos;
    bool m_dragging = false;
    std::optional<qsizetype> m_dropOffset;
};
