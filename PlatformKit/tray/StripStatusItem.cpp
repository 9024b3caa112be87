#include "PlatformKit/tray/StripStatusItem.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

class StripWindow final : public QWidget {
public:
    explicit StripWindow(StripStatusItem& item)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                               Qt::WindowDoesNotAcceptFocus)
        , m_item(item)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    void setImage(const QImage& image)
    {
        m_image = image;
        const QSize size = m_image.isNull() ? QSize(1, 1) : m_image.deviceIndependentSize().toSize();
        const QScreen* screen = QGuiApplication::primaryScreen();
        setGeometry(StripStatusItem::placement(size, screen ? screen->availableGeometry() : QRect()));
        // Shown with its first picture, already in its place.
        if (!m_image.isNull() && !isVisible())
            show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            Q_EMIT m_item.leftClicked();
        else if (event->button() == Qt::RightButton)
            Q_EMIT m_item.rightClicked();
    }

private:
    StripStatusItem& m_item;
    QImage m_image;
};

StripStatusItem::StripStatusItem(QObject* parent)
    : StatusItem(parent)
    , m_window(std::make_unique<StripWindow>(*this))
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

QRect StripStatusItem::placement(QSize size, const QRect& available)
{
    // A small gap keeps it off the screen's very edge.
    constexpr int margin = 4;
    return QRect(QPoint(available.right() + 1 - margin - size.width(), available.top() + margin), size);
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
