#pragma once

#include "Kelvane/status/ClickHintPresenter.h"

#include <QWidget>

#include <functional>

class QPushButton;

// The one-time card that explains the two clicks of the tray item.
class ClickHintView final : public QWidget {
    Q_OBJECT

public:
    explicit ClickHintView(std::function<void()> onDismiss, QWidget* parent = nullptr);

    QPushButton& gotItButton() { return *m_gotIt; }

    static constexpr int cardWidth = 252;
    static constexpr int padding = 16;

private:
    std::function<void()> m_onDismiss;
    QPushButton* m_gotIt;
};

// Shows the card as a transient popup under the tray item; a click anywhere
// else closes it too.
class ClickHintPopup final : public ClickHintPresenter {
public:
    ~ClickHintPopup() override;
    void showHint(const QRect& anchor) override;

    QWidget* popup() const { return m_popup; }

private:
    QWidget* m_popup = nullptr;
};
