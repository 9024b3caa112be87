// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QList>
#include <QObject>

// The editor's working copy of one custom timer and every edit the editor can
// make to it, within the editor's limits. Phases are addressed by their
// position at the time of the edit; positions outside the list are ignored.
// Nothing is stored anywhere: the editor hands the finished copy back.
class CustomTimerDraft : public QObject {
    Q_OBJECT

public:
    explicit CustomTimerDraft(CustomTimer timer, QObject* parent = nullptr);

    const CustomTimer& timer() const { return m_timer; }
    qsizetype phaseCount() const { return m_timer.phases.size(); }
    bool isSavable() const;

    // Cut to 30 characters; a stored longer name stays until it is edited.
    void setName(const QString& name);

    void setTypedRounds(qint64 typed);
    void decrementRounds();
    void incrementRounds();

    // Up to 12 phases.
    void addPhase();
    // The last remaining phase stays.
    void removePhase(qsizetype index);
    bool canRemovePhases() const { return phaseCount() > 1; }
    void movePhaseUp(qsizetype index);
    void movePhaseDown(qsizetype index);
    // Moves the phases at `offsets` to stand before the one at `destination`.
    void movePhases(const QList<qsizetype>& offsets, qsizetype destination);

    // Cut to 20 characters.
    void setPhaseName(qsizetype index, const QString& name);
    void setPhaseTypedMinutes(qsizetype index, qint64 minutes);
    void decrementPhaseMinutes(qsizetype index);
    void incrementPhaseMinutes(qsizetype index);
    void setPhaseColorIndex(qsizetype index, int colorIndex);

signals:
    // Any field of the working copy changed.
    void changed();

private:
    bool isPhase(qsizetype index) const { return index >= 0 && index < phaseCount(); }
    void setRounds(int rounds);
    void setPhaseDuration(qsizetype index, double seconds);
    void swapPhases(qsizetype first, qsizetype second);

    CustomTimer m_timer;
};
