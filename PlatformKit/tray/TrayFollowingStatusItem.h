// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"
#include "PlatformKit/tray/StripStatusItem.h"
#include "PlatformKit/tray/TrayWatch.h"

#include <functional>
#include <memory>

namespace platform {

// The item that follows the desktop's trays: on the bus where a
// StatusNotifierWatcher is, in the XEmbed tray where one is, in the strip
// otherwise, moving as trays come and go (a program started at login often
// comes up before the panel). What it shows and its menu carry over.
class TrayFollowingStatusItem final : public StatusItem {
    Q_OBJECT

public:
    // Builds the item for a road; the strip's place store goes with it.
    using Factory = std::function<std::unique_ptr<StatusItem>(TrayRoad, const TrayPresence&)>;

    TrayFollowingStatusItem(std::unique_ptr<TrayWatch> watch, Factory factory, QObject* parent = nullptr);
    ~TrayFollowingStatusItem() override;

    Shape shape() const override { return m_current->shape(); }
    std::optional<int> cellPixels() const override { return m_current->cellPixels(); }
    QRect anchorRect() const override { return m_current->anchorRect(); }
    void refreshMenu() override { m_current->refreshMenu(); }

    TrayRoad road() const { return m_road; }
    StatusItem& current() const { return *m_current; }

protected:
    void showImages(const QList<QImage>& images) override { m_current->setImages(images); }
    void showToolTip(const QString& text) override { m_current->setToolTip(text); }

private:
    void follow();
    void build();

    std::unique_ptr<TrayWatch> m_watch;
    Factory m_factory;
    TrayRoad m_road = TrayRoad::Strip;
    TrayPresence m_presence;
    std::unique_ptr<StatusItem> m_current;
};

} // namespace platform
