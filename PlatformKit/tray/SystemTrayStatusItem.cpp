// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/SystemTrayStatusItem.h"

#include "PlatformKit/tray/PictureIconEngine.h"

#include <QCursor>
#include <QIcon>
#include <QSystemTrayIcon>

namespace platform {

SystemTrayStatusItem::SystemTrayStatusItem(QObject* parent)
    : StatusItem(parent)
    , m_icon(std::make_unique<QSystemTrayIcon>())
    , m_pictures(new PictureIconEngine)
    , m_picture(m_pictures)
{
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        m_clickPoint = QCursor::pos();
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            Q_EMIT leftClicked();
            break;
        case QSystemTrayIcon::Context:
            Q_EMIT rightClicked();
            break;
        case QSystemTrayIcon::MiddleClick:
            Q_EMIT middleClicked();
            break;
        default:
            break;
        }
    });
    // A picture drawn at the tray's own size is sharper, and cheaper, than
    // one scaled to it.
    m_pictures->setOnPaintedSide([this](int side) {
        if (m_cellPixels == side)
            return;
        m_cellPixels = side;
        // Drawn after this paint, not inside it.
        QMetaObject::invokeMethod(this, &StatusItem::cellPixelsChanged, Qt::QueuedConnection);
    });
}

SystemTrayStatusItem::~SystemTrayStatusItem() = default;

QRect SystemTrayStatusItem::anchorRect() const
{
    const QRect icon = m_icon->geometry();
    if (!icon.isEmpty() || !m_clickPoint)
        return icon;
    return QRect(*m_clickPoint, QSize(1, 1));
}

void SystemTrayStatusItem::showImages(const QList<QImage>& images)
{
    // The same icon each time, showing the new pictures: the tray repaints.
    m_pictures->setImages(images);
    m_icon->setIcon(m_picture);
    // Shown with its first picture: a tray item without one is refused.
    if (!m_icon->isVisible())
        m_icon->show();
}

void SystemTrayStatusItem::showToolTip(const QString& text)
{
    m_icon->setToolTip(text);
}

QIcon SystemTrayStatusItem::icon() const
{
    return m_icon->icon();
}

} // namespace platform
