// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/StripStatusItem.h"

#include "PlatformKit/window/WindowHints.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// The user's drag ends in many small moves; the place is kept once it rests.
constexpr int saveDelayMs = 400;

} // namespace

class StripWindow final : public QWidget {
public:
    StripWindow(StripStatusItem& item, StripPlaceStore store)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool | Qt::WindowDoesNotAcceptFocus)
        , m_item(item)
        , m_store(std::move(store))
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        m_saveTimer.setSingleShot(true);
        m_saveTimer.setInterval(saveDelayMs);
        QObject::connect(&m_saveTimer, &QTimer::timeout, this, [this] { savePlace(); });
    }

    void setImage(const QImage& image)
    {
        m_image = image;
        const QSize size = m_image.isNull() ? QSize(1, 1) : m_image.deviceIndependentSize().toSize();
        if (isVisible()) {
            // Keeps the corner the user or the first placement chose.
            resize(size);
        } else {
            QList<QRect> available;
            for (const QScreen* screen : QGuiApplication::screens())
                available << screen->availableGeometry();
            const QScreen* primary = QGuiApplication::primaryScreen();
            setGeometry(StripStatusItem::placement(size, m_store.load ? m_store.load() : std::nullopt, available,
                                                   primary ? primary->availableGeometry() : QRect()));
        }
        // Shown with its first picture, already in its place.
        if (!m_image.isNull() && !isVisible()) {
            winId();
            WindowHints::showOnEveryWorkspace(*windowHandle());
            show();
            WindowHints::showOnEveryWorkspace(*windowHandle());
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressedAt
            = event->button() == Qt::LeftButton ? std::optional(event->globalPosition().toPoint()) : std::nullopt;
        m_dragging = false;
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint at = event->globalPosition().toPoint();
        if (m_manualFrom) {
            move(at + *m_manualFrom);
            return;
        }
        if (!m_pressedAt || m_dragging || (at - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return;
        m_dragging = true;
        m_userPlaced = true;
        // The window manager moves it where it can; else it follows the pointer here.
        if (!windowHandle() || !windowHandle()->startSystemMove())
            m_manualFrom = pos() - *m_pressedAt;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool dragged = m_dragging;
        m_pressedAt.reset();
        m_dragging = false;
        m_manualFrom.reset();
        if (dragged)
            return;
        if (event->button() == Qt::LeftButton)
            Q_EMIT m_item.leftClicked();
        else if (event->button() == Qt::RightButton)
            Q_EMIT m_item.rightClicked();
        else if (event->button() == Qt::MiddleButton)
            Q_EMIT m_item.middleClicked();
    }
    void moveEvent(QMoveEvent* event) override
    {
        QWidget::moveEvent(event);
        // Only the user moves it once it is placed.
        if (m_userPlaced)
            m_saveTimer.start();
    }

private:
    void savePlace()
    {
        if (m_store.save)
            m_store.save(frameGeometry().topLeft());
    }

    StripStatusItem& m_item;
    StripPlaceStore m_store;
    QImage m_image;
    QTimer m_saveTimer;
    std::optional<QPoint> m_pressedAt;
    std::optional<QPoint> m_manualFrom;
    bool m_dragging = false;
    bool m_userPlaced = false;
};

StripStatusItem::StripStatusItem(StripPlaceStore store, QObject* parent)
    : StatusItem(parent)
    , m_window(std::make_unique<StripWindow>(*this, std::move(store)))
{
}

StripStatusItem::~StripStatusItem() = default;

QRect StripStatusItem::anchorRect() const
{
    return m_window->frameGeometry();
}

QWidget* StripStatusItem::window() const
{
    return m_window.get();
}

QRect StripStatusItem::placement(QSize size, std::optional<QPoint> saved, const QList<QRect>& available,
                                 const QRect& primary)
{
    if (saved) {
        const QRect there(*saved, size);
        for (const QRect& screen : available) {
            if (screen.intersects(there))
                return there;
        }
    }
    // A small gap keeps it off the screen's very edge.
    constexpr int margin = 4;
    return QRect(QPoint(primary.left() + (primary.width() - size.width()) / 2, primary.top() + margin), size);
}

void StripStatusItem::showImages(const QList<QImage>& images)
{
    m_window->setImage(images.isEmpty() ? QImage() : images.first());
}

void StripStatusItem::showToolTip(const QString& text)
{
    m_window->setToolTip(text);
    m_window->setAccessibleName(text);
}

} // namespace platform
