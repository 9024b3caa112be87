#include "PlatformKit/tray/StatusItem.h"

#include "PlatformKit/tray/StripStatusItem.h"
#include "PlatformKit/tray/SystemTrayStatusItem.h"

#include <QSystemTrayIcon>

namespace platform {

void StatusItem::setImages(const QList<QImage>& images)
{
    // QImage compares pixels, not identity.
    if (images == m_images)
        return;
    m_images = images;
    showImages(m_images);
}

void StatusItem::setToolTip(const QString& text)
{
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    showToolTip(m_toolTip);
}

std::unique_ptr<StatusItem> makeStatusItem()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        return std::make_unique<SystemTrayStatusItem>();
    return std::make_unique<StripStatusItem>();
}

} // namespace platform
