// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/floating/FloatingDisplayView.h"

#include "Kelvane/animation/AnimationPlayer.h"
#include "Kelvane/settings/AppSettings.h"

#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/sessions/CustomTimerSession.h"
#include "TimerCoreKit/sessions/PomodoroSession.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The close button's clicks and accessible name; the card draws it, so it
// fades with the card while paused.
class CloseButton final : public QAbstractButton {
public:
    explicit CloseButton(QWidget* parent)
        : QAbstractButton(parent)
    {
        setAccessibleName(QStringLiteral("Close floating display"));
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override { }
};

} // namespace

FloatingDisplayView::FloatingDisplayView(const TimerEngine& engine, AppSettings& settings,
                                         const AnimationPlayer& player, const PomodoroSession& pomodoro,
                                         const CustomTimerSession& customTimer,
                                         const MenuBarRefreshTrigger& refreshTrigger, std::function<void()> onClose,
                                         platform::Clock clock, QWidget* parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_settings(settings)
    , m_player(player)
    , m_pomodoro(pomodoro)
    , m_customTimer(customTimer)
    , m_clock(std::move(clock))
    , m_closeButton(new CloseButton(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    m_closeButton->hide();
    connect(m_closeButton, &QAbstractButton::clicked, this, [onClose = std::move(onClose)] {
        if (onClose)
            onClose();
    });
    connect(&refreshTrigger, &MenuBarRefreshTrigger::tickChanged, this, &FloatingDisplayView::refresh);
    m_lookChangeTimer.setSingleShot(true);
    connect(&m_lookChangeTimer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    setAccessibleName(FloatingDisplayPicture::accessibilityLabel(content()));
}

MenuBarContent FloatingDisplayView::content() const
{
    return FloatingDisplayPicture::floating(
        MenuBarContent::of(m_engine, m_settings, m_player, m_pomodoro, m_customTimer, false));
}

QSize FloatingDisplayView::sizeHint() const
{
    const QSizeF card = FloatingDisplayPicture::cardSize(content());
    return {platform::saturatingCast<int>(std::ceil(card.width())),
            platform::saturatingCast<int>(std::ceil(card.height()))};
}

QRectF FloatingDisplayView::cardArea() const
{
    QRectF card(QPointF(0, 0), FloatingDisplayPicture::cardSize(content()));
    card.moveCenter(QRectF(rect()).center());
    return card;
}

void FloatingDisplayView::refresh()
{
    setAccessibleName(FloatingDisplayPicture::accessibilityLabel(content()));
    placeCloseButton();
    update();
}

void FloatingDisplayView::paintEvent(QPaintEvent*)
{
    const MenuBarContent shown = content();
    const platform::Date now = m_clock();
    const QImage card
        = FloatingDisplayPicture::render(shown, m_hovered, m_lookState, now, devicePixelRatioF(), &m_backdrop);
    QRectF area(QPointF(0, 0), card.deviceIndependentSize());
    area.moveCenter(QRectF(rect()).center());
    QPainter painter(this);
    painter.drawImage(area.topLeft(), card);

    if (const auto next = FloatingDisplayPicture::nextLookChange(shown, m_lookState, now)) {
        // Never sooner than a tenth of a second, however fast the look moves.
        const double delay = std::max(next->secondsSince(now), 0.1);
        m_lookChangeTimer.start(platform::saturatingCast<int>(std::ceil(delay * 1000)));
    } else {
        m_lookChangeTimer.stop();
    }
}

void FloatingDisplayView::resizeEvent(QResizeEvent*)
{
    placeCloseButton();
}

void FloatingDisplayView::placeCloseButton()
{
    const QRectF card = cardArea();
    m_closeButton->setGeometry(
        FloatingDisplayPicture::closeButtonArea(card.size()).translated(card.topLeft()).toAlignedRect());
}

void FloatingDisplayView::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    m_closeButton->setVisible(hovered);
    update();
}

void FloatingDisplayView::enterEvent(QEnterEvent* event)
{
    setHovered(cardArea().contains(event->position()));
}

void FloatingDisplayView::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(cardArea().contains(event->position()));
    event->ignore();
}

void FloatingDisplayView::mousePressEvent(QMouseEvent* event)
{
    // The window's to take: a press on the card moves the panel.
    event->ignore();
}

void FloatingDisplayView::leaveEvent(QEvent*)
{
    setHovered(false);
}
