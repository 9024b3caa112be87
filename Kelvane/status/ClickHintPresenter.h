// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Shows the one-time card that explains the two clicks of the tray item,
// next to `anchor` (empty when unknown). The card closes itself.
class ClickHintPresenter {
public:
    virtual ~ClickHintPresenter() = default;
    virtual void showHint(const QRect& anchor) = 0;
    // The item moved (into a tray that came up after the program): a card
    // still shown goes along.
    virtual void moveHint(const QRect& anchor) = 0;

protected:
    ClickHintPresenter() = default;
};

class NullClickHint final : public ClickHintPresenter {
public:
    void showHint(const QRect&) override { }
    void moveHint(const QRect&) override { }
};
