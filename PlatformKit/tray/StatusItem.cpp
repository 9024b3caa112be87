// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/StatusItem.h"

#include "PlatformKit/tray/NotifierStatusItem.h"
#include "PlatformKit/tray/StripStatusItem.h"
#include "PlatformKit/tray/SystemTrayStatusItem.h"
#include "PlatformKit/tray/TrayFollowingStatusItem.h"

#include <QDBusConnection>

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

void StatusItem::setMenuSource(MenuSource source)
{
    m_menuSource = std::move(source);
    refreshMenu();
}

std::unique_ptr<StatusItem> makeStatusItem(StripPlaceStore store)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    auto factory = [bus, store](TrayRoad road, const TrayPresence& presence) -> std::unique_ptr<StatusItem> {
        switch (road) {
        case TrayRoad::Notifier:
            return std::make_unique<NotifierStatusItem>(bus,
                                                        !notifierHostPassesRightClick(presence.notifierWatcherProgram));
        case TrayRoad::XEmbed:
            return std::make_unique<SystemTrayStatusItem>();
        case TrayRoad::Strip:
            break;
        }
        return std::make_unique<StripStatusItem>(store);
    };
    return std::make_unique<TrayFollowingStatusItem>(std::make_unique<TrayWatch>(bus), std::move(factory));
}

} // namespace platform
