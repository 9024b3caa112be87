// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/SystemTrayStatusItem.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace platform {

SystemTrayStatusItem::SystemTrayStatusItem(QObject* parent)
    : StatusItem(parent)
    , m_icon(std::make_unique<QSystemTrayIcon>())
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
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    m_icon->setIcon(icon);
    // Shown with its first picture: a tray item without one is refused.
    if (!m_icon->isVisible())
        m_icon->show();
}

void SystemTrayStatusItem::showToolTip(const QString& text)
{
    m_icon->setToolTip(text);
}

} // namespace platform
