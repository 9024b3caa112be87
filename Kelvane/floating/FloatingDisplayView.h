// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/floating/FloatingDisplayPicture.h"
#include "Kelvane/status/MenuBarRefreshTrigger.h"

#include "shared-ui/looks/DisplayLookState.h"

#include "PlatformKit/core/Date.h"

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

#include <functional>

class AnimationPlayer;
class AppSettings;
class CustomTimerSession;
class PomodoroSession;
class TimerEngine;

// The floating panel's content: the card of FloatingDisplayPicture, read
// from the model at each bump of its refresh trigger. Its only own state is
// whether the pointer is on the card; clicks on the card outside the close
// button are left to the window, which moves itself with them.
class FloatingDisplayView final : public QWidget {
    Q_OBJECT

public:
    FloatingDisplayView(const TimerEngine& engine, AppSettings& settings, const AnimationPlayer& player,
                        const PomodoroSession& pomodoro, const CustomTimerSession& customTimer,
                        const MenuBarRefreshTrigger& refreshTrigger, std::function<void()> onClose,
                        platform::Clock clock = &platform::Date::now, QWidget* parent = nullptr);

    // The card's size: the panel's fitting size.
    QSize sizeHint() const override;
    // Where the card sits: centred in the view.
    QRectF cardArea() const;
    bool isHovered() const { return m_hovered; }
    QAbstractButton& closeButton() { return *m_closeButton; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MenuBarContent content() const;
    void refresh();
    void setHovered(bool hovered);
    void placeCloseButton();

    const TimerEngine& m_engine;
    AppSettings& m_settings;
    const AnimationPlayer& m_player;
    const PomodoroSession& m_pomodoro;
    const CustomTimerSession& m_customTimer;
    platform::Clock m_clock;
    QAbstractButton* m_closeButton;
    bool m_hovered = false;
    // Carried from one drawing to the next (cards in motion, blinking).
    DisplayLookState m_lookState;
    FloatingDisplayPicture::CardBackdrop m_backdrop;
    // Draws again when the look changes by itself.
    QTimer m_lookChangeTimer;
};
