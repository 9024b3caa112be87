// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <QIcon>

#include <memory>
#include <optional>

class QSystemTrayIcon;

namespace platform {

class PictureIconEngine;

// The item as an XEmbed tray icon. The tray passes every click on, and its
// icon's area is known. Tray icons are square, and painted at the size the
// tray gives them, which a first paint tells.
class SystemTrayStatusItem final : public StatusItem {
    Q_OBJECT

public:
    explicit SystemTrayStatusItem(QObject* parent = nullptr);
    ~SystemTrayStatusItem() override;

    Shape shape() const override { return Shape::SquareCell; }
    std::optional<int> cellPixels() const override { return m_cellPixels; }
    // The icon's area; the last click's point where the tray does not tell.
    QRect anchorRect() const override;
    // What the tray paints.
    QIcon icon() const;

protected:
    void showImages(const QList<QImage>& images) override;
    void showToolTip(const QString& text) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
    PictureIconEngine* m_pictures; // owned by m_picture
    QIcon m_picture;
    std::optional<QPoint> m_clickPoint;
    std::optional<int> m_cellPixels;
};

} // namespace platform
