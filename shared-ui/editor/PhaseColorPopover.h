// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>

class PhaseColorChoice;

// The popup that offers every colour of the phase palette in one row. Picking
// one reports it and closes the popup; so does any dismissal by the system.
class PhaseColorPopover : public QFrame {
    Q_OBJECT

public:
    explicit PhaseColorPopover(QWidget* parent = nullptr);

    void setSelection(int paletteIndex);
    const QList<PhaseColorChoice*>& choices() const { return m_choices; }

    // Opens just below `anchor`, centred under it and kept on its screen.
    void popUpBelow(const QWidget& anchor);

signals:
    void picked(int paletteIndex);
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QList<PhaseColorChoice*> m_choices;
};
