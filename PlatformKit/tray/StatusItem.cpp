#include "PlatformKit/tray/StatusItem.h"

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

} // namespace platform
