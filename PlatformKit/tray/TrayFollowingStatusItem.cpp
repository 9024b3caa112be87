// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/TrayFollowingStatusItem.h"

#include "PlatformKit/core/Logging.h"

namespace platform {

namespace {

const char* roadName(TrayRoad road)
{
    switch (road) {
    case TrayRoad::Notifier:
        return "StatusNotifierItem";
    case TrayRoad::XEmbed:
        return "XEmbed tray";
    case TrayRoad::Strip:
        return "strip (no tray)";
    }
    return "";
}

} // namespace

TrayFollowingStatusItem::TrayFollowingStatusItem(std::unique_ptr<TrayWatch> watch, Factory factory, QObject* parent)
    : StatusItem(parent)
    , m_watch(std::move(watch))
    , m_factory(std::move(factory))
{
    connect(m_watch.get(), &TrayWatch::changed, this, &TrayFollowingStatusItem::follow);
    m_presence = m_watch->presence();
    m_road = trayRoad(m_presence);
    build();
}

TrayFollowingStatusItem::~TrayFollowingStatusItem() = default;

void TrayFollowingStatusItem::follow()
{
    const TrayPresence& presence = m_watch->presence();
    const TrayRoad road = trayRoad(presence);
    // A new watcher (a panel restarted) has not heard of the item yet.
    const bool newWatcher = road == TrayRoad::Notifier && presence.notifierWatcher != m_presence.notifierWatcher;
    m_presence = presence;
    if (road == m_road && !newWatcher)
        return;
    const Shape before = m_current->shape();
    const std::optional<int> pixelsBefore = m_current->cellPixels();
    // The old one first: it gives up its bus names and windows.
    m_current.reset();
    m_road = road;
    build();
    m_current->setToolTip(toolTip());
    m_current->setImages(images());
    if (m_current->shape() != before)
        Q_EMIT shapeChanged();
    else if (m_current->cellPixels() != pixelsBefore)
        Q_EMIT cellPixelsChanged();
}

void TrayFollowingStatusItem::build()
{
    m_current = m_factory(m_road, m_presence);
    qCInfo(lcTray) << "the item shows in the" << roadName(m_road);
    connect(m_current.get(), &StatusItem::leftClicked, this, &StatusItem::leftClicked);
    connect(m_current.get(), &StatusItem::rightClicked, this, &StatusItem::rightClicked);
    connect(m_current.get(), &StatusItem::middleClicked, this, &StatusItem::middleClicked);
    connect(m_current.get(), &StatusItem::cellPixelsChanged, this, &StatusItem::cellPixelsChanged);
    // Asked through this item, so a source set later reaches it too.
    m_current->setMenuSource([this] { return menuEntries(); });
}

} // namespace platform
