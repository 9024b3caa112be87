// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DotMatrixKit/PhaseIndicator.h"

#include <QWidget>

#include <vector>

// The thin strip of a running cycle: one 3 px segment per phase sharing the
// width, the current one full, passed ones faded and the rest faint.
class PhaseStripView : public QWidget {
    Q_OBJECT

public:
    static constexpr int stripHeight = 3;
    static constexpr int spacing = 4;

    explicit PhaseStripView(QWidget* parent = nullptr);

    void setIndicators(std::vector<PhaseIndicator> indicators, const QString& accessibleLabel);
    const std::vector<PhaseIndicator>& indicators() const { return m_indicators; }

    QSize sizeHint() const override { return {200, stripHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PhaseIndicator> m_indicators;
};
